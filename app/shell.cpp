#include "shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace Shell {

void openFile(QWidget * /*owner*/, const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void openTarget(QWidget * /*owner*/, const QString &target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

} // namespace Shell
