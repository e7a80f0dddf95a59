// Linked into a copy of a program (Kwindel's main, or the floor's): quits it
// once its first window has been drawn, printing the resident memory then,
// so that a whole start-up can be counted under callgrind or heaptrack.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The paint of a window is flushed to the screen before the event
        // loop runs the timer.
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                QFile status(QStringLiteral("/proc/self/status"));
                if (status.open(QIODevice::ReadOnly)) {
                    for (const QByteArray &line : status.readAll().split('\n')) {
                        if (line.startsWith("VmRSS:") || line.startsWith("VmHWM:"))
                            std::fprintf(stderr, "first frame %s\n", line.simplified().constData());
                    }
                }
                // Where the memory lies, mapping by mapping, for a closer look.
                QFile smaps(QStringLiteral("/proc/self/smaps")), copy(QString::fromLocal8Bit(qgetenv("KWINDEL_SMAPS")));
                if (!copy.fileName().isEmpty() && smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
                    copy.write(smaps.readAll());
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

void watchFirstFrame()
{
    qApp->installEventFilter(new FirstFrame(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstFrame)
