// What the windows cost to create and show: time per main window and per
// info window, and the process's resident memory after each. Prints its
// measurements; nothing here is asserted. Run on the offscreen platform or
// under a real display.

#include "appidentity.h"
#include "form1.h"
#include "pixeltext.h"
#include "infowindow.h"
#include "messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

template<typename Step>
void measure(const char *what, int rounds, Step step)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        step();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // as the event loop would
    }
    std::printf("%-44s %9.3f ms   resident %6ld KiB\n", what, timer.nsecsElapsed() / 1e6 / rounds, residentKiB());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyApplicationIdentity();
    PixelText::installStyle();
    Messages::setRecorder([](QWidget *, const QString &) {});
    std::printf("%-44s %12s   resident %6ld KiB\n", "before any window", "", residentKiB());

    QElapsedTimer first;
    first.start();
    auto form = std::make_unique<Form1>();
    form->show();
    QCoreApplication::processEvents();
    std::printf("%-44s %9.3f ms   resident %6ld KiB\n", "first main window, created and shown", first.nsecsElapsed() / 1e6,
                residentKiB());

    measure("main window, created, shown and deleted", 50, [] {
        Form1 again;
        again.show();
    });
    measure("info window, opened and closed", 50, [] {
        openInfoWindow();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frminfo"))
                window->close();
        }
    });
    return 0;
}
