#pragma once

#include <QtGlobal>
#include <QtGui/qwindowdefs.h>

#include <stdexcept>

// The three window-style calls that translucency is built from, behind an
// interface so the routines in modinfo can be followed call by call.
namespace WindowStyle {

using Handle = WId;

inline constexpr qint32 GWL_EXSTYLE = -20;
inline constexpr qint32 WS_EX_LAYERED = 0x80000;
inline constexpr quint32 NoColourKey = 0;
inline constexpr quint32 LWA_ALPHA = 2;

// What a call throws when the system cannot carry it out at all, such as a
// missing entry point. A call that merely fails throws nothing.
class PlatformError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class Api
{
public:
    Api() = default;
    virtual ~Api() = default;
    Q_DISABLE_COPY_MOVE(Api)

    virtual qint32 GetWindowLong(Handle window, qint32 index) = 0;
    virtual qint32 SetWindowLong(Handle window, qint32 index, qint32 style) = 0;
    virtual void SetLayeredWindowAttributes(Handle window, quint32 colourKey, quint8 alpha, quint32 flags) = 0;
};

// The toolkit's version: the extended style lives on the widget, and a
// layered window's alpha becomes its window opacity, which Qt hands to the
// window system (layered windows on Windows, _NET_WM_WINDOW_OPACITY on X11),
// or that the program draws where the window system cannot (Wayland).
class QtApi final : public Api
{
public:
    QtApi() = default;
    Q_DISABLE_COPY_MOVE(QtApi)

    qint32 GetWindowLong(Handle window, qint32 index) override;
    qint32 SetWindowLong(Handle window, qint32 index, qint32 style) override;
    void SetLayeredWindowAttributes(Handle window, quint32 colourKey, quint8 alpha, quint32 flags) override;
};

// The system's own: user32 on Windows (windowstyle_win.cpp), QtApi
// elsewhere (windowstyle_qt.cpp).
Api &systemApi();

// The one in use; the system's own unless a test installed another.
// Returns the previous one; nullptr puts the system's own back.
Api &current();
Api *install(Api *api);

} // namespace WindowStyle
