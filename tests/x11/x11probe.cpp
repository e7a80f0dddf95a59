#include "x11probe.h"

#include <QDeadlineTimer>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <vector>

namespace {

QString windowTitle(Display *display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    QString title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(count));
    }
    if (data)
        XFree(data);
    return title;
}

std::vector<Window> children(Display *display, Window parent)
{
    Window root = 0;
    Window ignored = 0;
    Window *list = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, parent, &root, &ignored, &list, &count) && list) {
        result.assign(list, list + count);
        XFree(list);
    }
    return result;
}

// A window of the program under test may vanish while the probe walks the
// tree; Xlib's default handler would end the test for that.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

X11Probe::X11Probe()
    : m_display(XOpenDisplay(nullptr))
{
    XSetErrorHandler(ignoreXErrors);
}

X11Probe::~X11Probe()
{
    if (m_display)
        XCloseDisplay(m_display);
}

std::optional<unsigned long> X11Probe::waitForWindow(const QString &title, int timeoutMs) const
{
    if (!m_display)
        return std::nullopt;
    QDeadlineTimer deadline(timeoutMs);
    do {
        for (Window window : children(m_display, DefaultRootWindow(m_display))) {
            if (isMapped(window) && windowTitle(m_display, window) == title)
                return window;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

bool X11Probe::isMapped(unsigned long window) const
{
    XWindowAttributes attributes{};
    XSync(m_display, False);
    return XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
}

QRect X11Probe::geometry(unsigned long window) const
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return {};
    Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

std::optional<quint32> X11Probe::cardinalProperty(unsigned long window, const char *name) const
{
    const Atom property = XInternAtom(m_display, name, False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::optional<quint32> value;
    if (XGetWindowProperty(m_display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data)
            == Success
        && data && format == 32 && count == 1) {
        value = static_cast<quint32>(*reinterpret_cast<unsigned long *>(data));
    }
    if (data)
        XFree(data);
    return value;
}

void X11Probe::requestClose(unsigned long window) const
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

void X11Probe::click(QPoint rootPosition) const
{
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), rootPosition.x(), rootPosition.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
}
