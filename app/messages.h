#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The program's one way to tell the user something: a modal box with the
// text, an OK button only, no icon and the application title as caption.
namespace Messages {

// Shows the message and returns when the user has closed it.
void show(QWidget *parent, const QString &text);

// Builds the box that show() runs; exposed so its make-up can be checked.
QMessageBox *createBox(QWidget *parent, const QString &text);

// Tests record messages instead of blocking on a real box. Installing a
// recorder returns the previous one; an empty recorder restores the box.
using Recorder = std::function<void(QWidget *parent, const QString &text)>;
Recorder setRecorder(Recorder recorder);

} // namespace Messages
