#include "modinfo.h"

#include "appidentity.h"
#include "appinfo.h"
#include "pendingerror.h"

namespace modinfo {

using namespace WindowStyle;

qint32 SetWindowTranslucency(Handle window, qint16 opacity)
{
    if (opacity == 255) {
        ClearWindowTranslucency(window);
        return Done;
    }
    qint32 result = OutOfRange;
    if (opacity >= 0 && opacity <= 255) {
        Api &api = current();
        const qint32 style = api.GetWindowLong(window, GWL_EXSTYLE);
        api.SetWindowLong(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
        api.SetLayeredWindowAttributes(window, NoColourKey, static_cast<quint8>(opacity), LWA_ALPHA);
        result = Done;
    }
    // An error the calling handler went past is reported, not swallowed.
    if (PendingError::program().isPending())
        result = ErrorPending;
    return result;
}

qint32 ClearWindowTranslucency(Handle window)
{
    PendingError &error = PendingError::program();
    Api &api = current();
    qint32 style = 0;
    // The last call meets a window that is no longer layered; its outcome
    // does not matter.
    error.runEachStep({
        [&] { style = api.GetWindowLong(window, GWL_EXSTYLE); },
        [&] { api.SetWindowLong(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED); },
        [&] { api.SetLayeredWindowAttributes(window, NoColourKey, 0, LWA_ALPHA); },
    });
    return error.isPending() ? ErrorPending : Done;
}

QString VersionText()
{
    return VersionText(AppInfo::versionMajor, AppInfo::versionMinor, AppInfo::versionRevision);
}

QString VersionText(int major, int minor, int revision)
{
    return QStringLiteral("[%1.%2 Build%3]").arg(major).arg(minor).arg(revision);
}

QString TitleWithVersion()
{
    return applicationTitle() + QStringLiteral("    ") + VersionText();
}

} // namespace modinfo
