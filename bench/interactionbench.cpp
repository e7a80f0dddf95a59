// What the user waits for inside the running program, each a median over
// many repetitions on a real display: a forward click until the new page is
// painted, "About..." until the info window is shown and active, a save until
// the file is closed (the desktop opener is replaced by a stub; the page
// lands beside this program), and a print into a PDF file. Prints its
// measurements; nothing here is asserted.

#include "form1.h"
#include "pixeltext.h"
#include "appidentity.h"
#include "messages.h"
#include "resultsheet.h"
#include "twipsprinter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Stands in for the desktop's opener: notes what it was asked to open.
class OpenerStub : public QObject
{
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl &) { ++opened; }
};

// Notes a paint of the widget it watches.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char *what, const std::vector<double> &millis)
{
    const auto [low, high] = std::minmax_element(millis.begin(), millis.end());
    std::printf("%-46s median %8.3f ms   (%zu runs, %.3f - %.3f)\n", what, median(millis), millis.size(), *low, *high);
}

// Runs the event loop until the condition holds; false after ten seconds.
template<typename Condition>
bool processUntil(Condition condition)
{
    QElapsedTimer limit;
    limit.start();
    QTimer wake; // so that a wait for events ends to look at the clock
    wake.start(20);
    while (!condition()) {
        if (limit.hasExpired(10000)) {
            std::fprintf(stderr, "waited ten seconds in vain\n"); // nothing measured then
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

QWidget *infoWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frminfo") && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyApplicationIdentity();
    PixelText::installStyle();
    Messages::setRecorder([](QWidget *, const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); });
    OpenerStub opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");

    Form1 form;
    form.show();
    if (!processUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }))
        return 1;
    form.findChild<QLineEdit *>(QStringLiteral("txtAGeslacht"))->setText(QStringLiteral("Daan"));
    form.findChild<QLineEdit *>(QStringLiteral("txtNaam"))->setText(QStringLiteral("Sanne"));
    auto *forward = form.findChild<QPushButton *>(QStringLiteral("cmdPrevNext(0)"));
    auto *back = form.findChild<QPushButton *>(QStringLiteral("cmdPrevNext(1)"));
    QElapsedTimer timer;

    std::vector<double> clicks;
    for (int round = 0; round < 40; ++round) {
        // Not onto the last page: from there neither button moves.
        for (int page = 1; page < 11; ++page) {
            PaintWatch watch;
            auto *next = form.findChild<QGroupBox *>(QStringLiteral("Frame(%1)").arg(page));
            next->installEventFilter(&watch);
            timer.start();
            forward->click();
            if (!processUntil([&] { return watch.painted; }))
                return 1;
            clicks.push_back(timer.nsecsElapsed() / 1e6);
            next->removeEventFilter(&watch);
        }
        for (int page = 10; page > 0; --page)
            back->click();
        QCoreApplication::processEvents();
    }
    report("forward click, handler to page painted", clicks);
    auto *about = form.findChild<QPushButton *>(QStringLiteral("cmdInfo"));

    // Long use: the heap after 500 info-window cycles and 2,000 page moves,
    // against the heap after the first hundred cycles.
    const auto heap = [] { return static_cast<long long>(mallinfo2().uordblks); };
    long long early = 0;
    for (int round = 0; round < 600; ++round) {
        early = round == 100 ? heap() : early;
        about->click();
        infoWindow()->close();
        for (int move = 0; move < 4; ++move)
            (round % 2 ? forward : back)->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("%-46s %+8lld bytes\n", "heap after 500 info windows, 2,000 page moves", heap() - early);

    for (int page = 1; page < 12; ++page)
        forward->click();

    std::vector<double> abouts;
    for (int round = 0; round < 40; ++round) {
        timer.start();
        about->click();
        const bool shown = processUntil([] {
            QWidget *window = infoWindow();
            return window && window->windowHandle()->isExposed() && window->isActiveWindow();
        });
        if (!shown)
            return 1;
        abouts.push_back(timer.nsecsElapsed() / 1e6);
        infoWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form.activateWindow();
        processUntil([&] { return form.isActiveWindow(); });
    }
    report("\"About...\" to info window shown and active", abouts);

    std::vector<double> saves;
    auto *save = form.findChild<QPushButton *>(QStringLiteral("cmdSave"));
    for (int round = 0; round < 200; ++round) {
        const int before = opener.opened;
        timer.start();
        save->click();
        saves.push_back(timer.nsecsElapsed() / 1e6);
        if (opener.opened != before + 1)
            return 1;
    }
    report("save, click to file closed (opener stubbed)", saves);

    std::vector<double> prints;
    QTemporaryDir folder;
    form.RunEnd();
    for (int round = 0; round < 40; ++round) {
        timer.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("result.pdf")));
        TwipsPrinter sheet(&printer);
        if (!ResultSheet::print(sheet, QStringLiteral("Sanne"), form.resultText()))
            return 1;
        prints.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("print into a PDF file", prints);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    return 0;
}

#include "interactionbench.moc"
