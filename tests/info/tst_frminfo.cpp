#include "appidentity.h"
#include "infodriver.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

// What the window shows: caption, then the labels the program writes.
QStringList texts(const QWidget *info)
{
    QStringList shown{info->windowTitle()};
    for (const char *name : {"lblproduct", "Label1", "lblComments", "lblversion", "lbluse", "lblware", "Label4"})
        shown << control<QLabel>(info, QString::fromLatin1(name))->text();
    return shown;
}

QStringList expectedTexts(int year)
{
    return {QStringLiteral("Info   [2.0]"),
            QStringLiteral("Kwindel"),
            QStringLiteral("Dank U voor het gebruik van dit programma.\r\n"
                           "Als er een update is of je wilt iets zeggen van het programma, AUB mail mij of zie eens "
                           "op de Vexlo site.\r\n"
                           "De Vexlo crew kan niet verantwoordelijk gesteld worden voor PC crashes en dergelijke te "
                           "wijten van slecht werkende programmas!!!"),
            QString(),
            QStringLiteral("Versie: [1.0 Build0]"),
            QStringLiteral("Gebruikt: 0 keer."),
            QStringLiteral("Freeware"),
            QStringLiteral("\u00a9 Vexlo 2000 - %1").arg(year)};
}

void setYear(int year)
{
    frminfo::setClock([year] { return QDate(year, 6, 1); });
}

} // namespace

class FrminfoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void init() { setYear(2026); }
    void cleanup() { closeAll(); }

    void textsAfterOpeningSwitchingBackAndReopening()
    {
        QWidget main;
        main.show();
        frminfo *info = openInfo();
        QCOMPARE(texts(info), expectedTexts(2026));

        // Every activation writes the texts again, replacing what is there.
        control<QLabel>(info, QStringLiteral("lblware"))->clear();
        for (int i = 0; i < 2; ++i) {
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            info->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(info));
        }
        QCOMPARE(texts(info), expectedTexts(2026));

        QPointer<frminfo> first(info);
        QTest::mouseClick(control<QPushButton>(info, QStringLiteral("cmdback")), Qt::LeftButton);
        QTRY_VERIFY(!first);
        QVERIFY(main.isVisible());

        // Loaded afresh: the year is read again.
        setYear(2031);
        QCOMPARE(texts(openInfo()), expectedTexts(2031));
    }

    void secondOpenKeepsOneWindowAndActivatesAgain()
    {
        QWidget main;
        main.show();
        frminfo *info = openInfo();
        info->setWindowTitle(QStringLiteral("Info"));
        control<QLabel>(info, QStringLiteral("lbluse"))->clear();

        // "About..." is pressed on the main window, which is active then.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        openInfoWindow();
        QCOMPARE(infoWindows(), QList<frminfo *>{info});
        QCOMPARE(texts(info), expectedTexts(2026));
    }

    void creditLineYear_data()
    {
        QTest::addColumn<int>("clockYear");
        QTest::addColumn<int>("shownYear");
        QTest::newRow("2001 is raised") << 2001 << 2003;
        QTest::newRow("2002 is raised") << 2002 << 2003;
        QTest::newRow("2003") << 2003 << 2003;
        QTest::newRow("2004") << 2004 << 2004;
        QTest::newRow("2040") << 2040 << 2040;
    }
    void creditLineYear()
    {
        QFETCH(int, clockYear);
        QFETCH(int, shownYear);
        setYear(clockYear);
        QCOMPARE(control<QLabel>(openInfo(), QStringLiteral("Label4"))->text(),
                 QStringLiteral("\u00a9 Vexlo 2000 - %1").arg(shownYear));
    }

    void focusStartsOnBackAndTabSkipsTheDisabledButton()
    {
        frminfo *info = openInfo();
        QCOMPARE(QApplication::focusWidget(), control(info, QStringLiteral("cmdback")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(info, QStringLiteral("cmdsystem")));
        QVERIFY(!control(info, QStringLiteral("cmdcdpc"))->isEnabled());

        QPointer<frminfo> window(info);
        QTest::keyClick(info, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(!window);
    }

    void programEndsOnlyWhenBothWindowsAreClosed_data()
    {
        QTest::addColumn<bool>("mainFirst");
        QTest::newRow("main window first") << true;
        QTest::newRow("info window first") << false;
    }
    void programEndsOnlyWhenBothWindowsAreClosed()
    {
        QFETCH(bool, mainFirst);
        auto *main = new QWidget; // stands in for the main window
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        QWidget *info = openInfo();
        QPointer<QWidget> first = mainFirst ? main : info;
        QPointer<QWidget> second = mainFirst ? info : main;

        QObject scope;
        bool secondClosed = false;
        QTimer::singleShot(0, &scope, [first] { first->close(); });
        QTimer::singleShot(200, &scope, [&] {
            secondClosed = true;
            if (second)
                second->close();
        });
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(secondClosed, "the program ended with a window still open");
    }

    void systemDialogDisablesTheWindowUntilItCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << QStringLiteral("OK");
        QTest::newRow("Escape") << QStringLiteral("Escape");
        QTest::newRow("close box") << QStringLiteral("close box");
    }
    void systemDialogDisablesTheWindowUntilItCloses()
    {
        QFETCH(QString, how);
        frminfo *info = openInfo();
        QString title;
        QString facts;
        bool infoEnabled = true;
        bool dialogEnabled = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            facts = control<QLabel>(dialog, QStringLiteral("facts"))->text();
            infoEnabled = info->isEnabled();
            dialogEnabled = dialog->isEnabled();
            if (how == QLatin1String("OK"))
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            else if (how == QLatin1String("Escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        });
        QTest::mouseClick(control<QPushButton>(info, QStringLiteral("cmdsystem")), Qt::LeftButton);

        QCOMPARE(title, QStringLiteral("Systeeminformatie"));
        QVERIFY(!infoEnabled);
        QVERIFY(dialogEnabled);
        QVERIFY(info->isEnabled());
        for (const QString &fact : {QStringLiteral("Besturingssysteem: "), QStringLiteral("Processor: "),
                                    QStringLiteral("Qt-versie: ") + QString::fromLatin1(qVersion()),
                                    QStringLiteral("Scherm: "), QStringLiteral("Standaardprinter: ")})
            QVERIFY2(facts.contains(fact), qPrintable(fact));
    }
};

QTEST_MAIN(FrminfoTest)
#include "tst_frminfo.moc"
