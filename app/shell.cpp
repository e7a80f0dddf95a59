#include "shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace Shell {

bool openFile(QWidget * /*owner*/, const QString &path)
{
    // A doubled separator ("//Kwindel.htm" at the root) would read as a host name.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::cleanPath(path)));
}

void openTarget(QWidget * /*owner*/, const QString &target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

} // namespace Shell
