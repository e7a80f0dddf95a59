#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

class QWidget;

// The result saved as a small HTML page, "Kwindel.htm", and handed to the
// desktop to open.
namespace ResultPage {

// The separator is always added, so a root folder gives a doubled one.
QString pathInFolder(const QString &folderText, QChar separator = QDir::separator());

// The whole file: four lines, each ended by CR LF, in pure ASCII.
QByteArray bytes(const QString &name, const QString &resultText);

// Replaces the file atomically, or rewrites it in place where only the
// file, not its folder, may be written. Returns an empty text on success, otherwise
// the reason, in Dutch, for the user.
QString write(const QString &path, const QByteArray &bytes);

// Writes the page into the folder and opens it; when that fails the user is
// told why and nothing is opened.
void save(QWidget *owner, const QString &folderText, const QString &name, const QString &resultText);

} // namespace ResultPage
