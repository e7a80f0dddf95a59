#include "appidentity.h"

#include "appinfo.h"

#include "utf8.h"

#include <QGuiApplication>

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(fromUtf8(AppInfo::title));
    QCoreApplication::setOrganizationName(fromUtf8(AppInfo::company));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(AppInfo::versionMajor)
                                                .arg(AppInfo::versionMinor)
                                                .arg(AppInfo::versionRevision));
    // Docks match the windows (Wayland's app id) to the menu entry by it.
    QGuiApplication::setDesktopFileName(fromUtf8(AppInfo::desktopId));
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}
