#pragma once

#include <QString>

class QDialog;
class QScreen;
class QWidget;

// "Systeeminformatie": the facts a user needs when reporting a problem.
namespace SystemInfo {

// One fact a line: operating system, processor, Qt, screen, default printer.
QString text(const QScreen *screen);

// The dialog over `over`, built but not shown; deletes itself on close.
QDialog *createDialog(QWidget *over);

// Shows the dialog modally and returns when it has been closed.
void showDialog(QWidget *over);

} // namespace SystemInfo
