#include "appidentity.h"

#include "appinfo.h"

#include "utf8.h"

#include <QCoreApplication>

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(fromUtf8(AppInfo::title));
    QCoreApplication::setOrganizationName(fromUtf8(AppInfo::company));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(AppInfo::versionMajor)
                                                .arg(AppInfo::versionMinor)
                                                .arg(AppInfo::versionRevision));
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}
