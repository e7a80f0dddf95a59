#include "windowstyle.h"

#include "platformwindow.h"

#include <QVariant>
#include <QWidget>

namespace WindowStyle {

namespace {

constexpr const char *extendedStyleProperty = "kwindelExtendedStyle";

Api *&installed()
{
    static Api *api = nullptr;
    return api;
}

} // namespace

qint32 QtApi::GetWindowLong(Handle window, qint32 index)
{
    QWidget *widget = QWidget::find(window);
    if (!widget || index != GWL_EXSTYLE)
        return 0;
    return widget->property(extendedStyleProperty).toInt();
}

qint32 QtApi::SetWindowLong(Handle window, qint32 index, qint32 style)
{
    QWidget *widget = QWidget::find(window);
    if (!widget || index != GWL_EXSTYLE)
        return 0;
    const qint32 previous = widget->property(extendedStyleProperty).toInt();
    widget->setProperty(extendedStyleProperty, style);
    // Without the layered style the window system draws the window opaque.
    if (!(style & WS_EX_LAYERED))
        PlatformWindow::setOpacity(widget, 1.0);
    return previous;
}

void QtApi::SetLayeredWindowAttributes(Handle window, quint32 /*colourKey*/, quint8 alpha, quint32 flags)
{
    QWidget *widget = QWidget::find(window);
    // Like the system call, this only works on a layered window.
    if (widget && (widget->property(extendedStyleProperty).toInt() & WS_EX_LAYERED) && (flags & LWA_ALPHA))
        PlatformWindow::setOpacity(widget, alpha / 255.0);
}

Api &current()
{
    return installed() ? *installed() : systemApi();
}

Api *install(Api *api)
{
    return std::exchange(installed(), api);
}

} // namespace WindowStyle
