#include "platformwindow.h"

#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace PlatformWindow {

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Draws the window whole, its background under its contents, and lays the
// result on its translucent surface at the opacity: everything at one alpha,
// as a window system's opacity would.
class OpacityEffect final : public QGraphicsEffect
{
public:
    explicit OpacityEffect(QWidget *window)
        : QGraphicsEffect(window)
        , m_window(window)
    {
    }
    Q_DISABLE_COPY_MOVE(OpacityEffect)

    void setOpacity(qreal opacity)
    {
        m_opacity = opacity;
        update();
    }

protected:
    void draw(QPainter *painter) override
    {
        QPoint offset;
        const QPixmap contents = sourcePixmap(Qt::DeviceCoordinates, &offset);
        QPixmap whole(contents.size());
        whole.setDevicePixelRatio(contents.devicePixelRatio());
        whole.fill(Qt::transparent);
        {
            QPainter composer(&whole);
            composer.fillRect(QRect(QPoint(), contents.deviceIndependentSize().toSize()),
                              m_window->palette().brush(m_window->backgroundRole()));
            composer.drawPixmap(0, 0, contents);
        }
        painter->save();
        painter->setWorldTransform(QTransform());
        painter->setOpacity(m_opacity);
        painter->drawPixmap(offset, whole);
        painter->restore();
    }

private:
    QWidget *m_window;
    qreal m_opacity = 1.0;
};

} // namespace

void setOpacity(QWidget *window, qreal opacity)
{
    if (!onWayland()) {
        window->setWindowOpacity(opacity);
        return;
    }
    auto *effect = dynamic_cast<OpacityEffect *>(window->graphicsEffect());
    if (!effect) {
        if (opacity >= 1.0)
            return;
        // The surface takes alpha only when the program asks for it.
        window->setAttribute(Qt::WA_TranslucentBackground);
        effect = new OpacityEffect(window);
        window->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
}

void setOwner(QWidget *window, QWidget *owner)
{
    if (!owner || !onWayland())
        return;
    window->winId();
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
}

} // namespace PlatformWindow
