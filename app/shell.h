#pragma once

#include <QString>

class QWidget;

// Hands documents and addresses to the desktop, which opens them with the
// user's default program (xdg-open on Linux, the shell on Windows). The
// outcome is not examined: the desktop reports its own failures.
namespace Shell {

// A file on disk, by its path.
void openFile(QWidget *owner, const QString &path);

// A web address or a "mailto:" target, exactly as given: nothing is encoded
// by the program itself.
void openTarget(QWidget *owner, const QString &target);

} // namespace Shell
