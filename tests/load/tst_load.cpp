// Long use leaves nothing behind: after 500 info-window cycles and 2,000
// page moves the heap holds no more than 1 MB over what it held after the
// first hundred.

#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

namespace {

qint64 heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<qint64>(heap.uordblks + heap.hblkhd);
}

template<typename Step>
void expectSteady(int rounds, Step step)
{
    qint64 afterFirstHundred = 0;
    for (int round = 0; round < rounds; ++round) {
        step(round);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (round == 99)
            afterFirstHundred = heapInUse();
    }
    QCOMPARE_LE(heapInUse() - afterFirstHundred, 1'000'000);
}

} // namespace

class LoadTest : public QObject
{
    Q_OBJECT
    Form1 m_form;

    QPushButton *button(QWidget *window, const char *name)
    {
        return window->findChild<QPushButton *>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() { m_form.show(); }

    void infoWindowOpenedAndClosed()
    {
        expectSteady(500, [this](int) {
            button(&m_form, "cmdInfo")->click();
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == QLatin1String("frminfo") && window->isVisible())
                    button(window, "cmdback")->click();
            }
        });
    }

    void pagesToAndFro()
    {
        m_form.findChild<QLineEdit *>(QStringLiteral("txtAGeslacht"))->setText(QStringLiteral("Daan"));
        m_form.findChild<QLineEdit *>(QStringLiteral("txtNaam"))->setText(QStringLiteral("Sanne"));
        // Ten pages on and ten back: the last page would stop both buttons.
        expectSteady(2000, [this](int round) { button(&m_form, round / 10 % 2 ? "cmdPrevNext(1)" : "cmdPrevNext(0)")->click(); });
        QCOMPARE(m_form.currentPage(), 0);
    }
};

QTEST_MAIN(LoadTest)
#include "tst_load.moc"
