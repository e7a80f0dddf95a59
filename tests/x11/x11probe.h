#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// Looks at the real X server from outside the program under test, as a
// window manager or a user would: finds windows by title, reads their
// properties, clicks and asks windows to close.
class X11Probe
{
public:
    X11Probe();
    ~X11Probe();
    X11Probe(const X11Probe &) = delete;
    X11Probe &operator=(const X11Probe &) = delete;

    bool isConnected() const { return m_display != nullptr; }

    // The first mapped top-level window whose title is exactly `title`,
    // waited for up to timeoutMs.
    std::optional<unsigned long> waitForWindow(const QString &title, int timeoutMs = 10000) const;

    // Whether the window still exists and is mapped.
    bool isMapped(unsigned long window) const;

    // Geometry in root coordinates.
    QRect geometry(unsigned long window) const;

    // A 32-bit CARDINAL property such as _NET_WM_WINDOW_OPACITY.
    std::optional<quint32> cardinalProperty(unsigned long window, const char *name) const;

    // What a window manager's close button does: WM_DELETE_WINDOW.
    void requestClose(unsigned long window) const;

    // A real button-1 click at a point in root coordinates (XTEST).
    void click(QPoint rootPosition) const;

private:
    struct _XDisplay *m_display = nullptr;
};
