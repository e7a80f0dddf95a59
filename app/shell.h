#pragma once

#include <QString>

class QWidget;

// Hands documents and addresses to the desktop, which opens them with the
// user's default program (xdg-open on Linux, the shell on Windows).
namespace Shell {

// A file on disk, by its path. Returns false when the desktop found no
// program to open it with.
bool openFile(QWidget *owner, const QString &path);

// A web address or a "mailto:" target, exactly as given: nothing is encoded
// by the program itself. The outcome is not examined: the desktop reports
// its own failures.
void openTarget(QWidget *owner, const QString &target);

} // namespace Shell
