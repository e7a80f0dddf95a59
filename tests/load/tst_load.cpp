// Long use leaves nothing behind: after 500 info-window cycles and 2,000
// page moves the heap holds at most 1 MB more than after the first hundred.

#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <malloc.h>

namespace {

void click(const QWidget *window, const char *name)
{
    window->findChild<QPushButton *>(QString::fromLatin1(name))->click();
}

template<typename Step>
void expectSteady(int rounds, Step step)
{
    qint64 early = 0;
    for (int round = 0; round < rounds; ++round) {
        step(round);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (round == 99)
            early = static_cast<qint64>(mallinfo2().uordblks);
    }
    QCOMPARE_LE(static_cast<qint64>(mallinfo2().uordblks) - early, 1'000'000);
}

} // namespace

class LoadTest : public QObject
{
    Q_OBJECT
    Form1 m_form;

private slots:
    void initTestCase() { m_form.show(); }

    void infoWindowOpenedAndClosed()
    {
        expectSteady(500, [this](int) {
            click(&m_form, "cmdInfo");
            for (const QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == QLatin1String("frminfo") && window->isVisible())
                    click(window, "cmdback");
            }
        });
    }

    void pagesToAndFro() // ten on, ten back: on the last page neither button moves
    {
        m_form.findChild<QLineEdit *>(QStringLiteral("txtAGeslacht"))->setText(QStringLiteral("Daan"));
        m_form.findChild<QLineEdit *>(QStringLiteral("txtNaam"))->setText(QStringLiteral("Sanne"));
        expectSteady(2000, [this](int round) { click(&m_form, round / 10 % 2 ? "cmdPrevNext(1)" : "cmdPrevNext(0)"); });
        QCOMPARE(m_form.currentPage(), 0);
    }
};

QTEST_MAIN(LoadTest)
#include "tst_load.moc"
