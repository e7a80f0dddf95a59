#include "appidentity.h"

#include "appinfo.h"

#include <QCoreApplication>

namespace {
QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(fromView(AppInfo::title));
    QCoreApplication::setOrganizationName(fromView(AppInfo::company));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(AppInfo::versionMajor)
                                                .arg(AppInfo::versionMinor)
                                                .arg(AppInfo::versionRevision));
}

QString applicationTitle()
{
    return QCoreApplication::applicationName();
}
