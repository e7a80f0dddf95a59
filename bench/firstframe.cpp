// Preloaded into a Qt program (LD_PRELOAD): ends it once its first window
// has been drawn, printing the resident memory then, so that a whole
// start-up can be counted under callgrind. The programs measured are the
// real ones, Kwindel of this build or another, and the floor.
//   KWINDEL_SMAPS=FILE   also copies the memory map there

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

void reportAndEnd()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                std::fprintf(stderr, "first frame %s\n", line.simplified().constData());
        }
    }
    QFile smaps(QStringLiteral("/proc/self/smaps")), copy(QString::fromLocal8Bit(qgetenv("KWINDEL_SMAPS")));
    if (!copy.fileName().isEmpty() && smaps.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
        copy.write(smaps.readAll());
    std::fflush(nullptr);
    std::_Exit(0); // the program's clean-up is no part of its start-up
}

class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window's paint is flushed to the screen before the timer runs.
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, reportAndEnd);
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
