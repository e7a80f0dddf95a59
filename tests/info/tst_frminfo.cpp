#include "appidentity.h"
#include "infodriver.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

// The caption, then the labels the program writes.
QStringList texts(const QWidget *info)
{
    QStringList shown{info->windowTitle()};
    for (const char *name : {"lblproduct", "Label1", "lblComments", "lblversion", "lbluse", "lblware", "Label4"})
        shown << control<QLabel>(info, QString::fromLatin1(name))->text();
    return shown;
}

QStringList expectedTexts(int year)
{
    return {u"Info   [2.0]"_qs, u"Kwindel"_qs,
            u"Dank U voor het gebruik van dit programma.\r\nAls er een update is of je wilt iets zeggen van het "
            "programma, AUB mail mij of zie eens op de Vexlo site.\r\nDe Vexlo crew kan niet verantwoordelijk "
            "gesteld worden voor PC crashes en dergelijke te wijten van slecht werkende programmas!!!"_qs,
            QString(), u"Versie: [1.0 Build0]"_qs, u"Gebruikt: 0 keer."_qs, u"Freeware"_qs,
            u"\u00a9 Vexlo 2000 - %1"_qs.arg(year)};
}

void setYear(int year)
{
    frminfo::setClock([year] { return QDate(year, 6, 1); });
}

void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class FrminfoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void init() { setYear(2026); }
    void cleanup() { closeAll(); }

    void textsAfterOpeningSwitchingAndReopening()
    {
        QWidget main;
        main.show();
        frminfo *info = openInfo();
        QCOMPARE(texts(info), expectedTexts(2026));
        QCOMPARE(QApplication::focusWidget(), control(info, u"cmdback"_qs));
        QCOMPARE(info->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));

        // Every activation writes the texts again, also "About..." on an open window.
        control<QLabel>(info, u"lblware"_qs)->clear();
        activate(&main);
        activate(info);
        QCOMPARE(texts(info), expectedTexts(2026));
        info->setWindowTitle(u"Info"_qs);
        activate(&main);
        openInfoWindow();
        QCOMPARE(infoWindows(), QList<frminfo *>{info});
        QCOMPARE(texts(info), expectedTexts(2026));

        QPointer<frminfo> first(info);
        QVERIFY(QTest::qWaitForWindowActive(info));
        QTest::keyClick(info, Qt::Key_B, Qt::AltModifier); // "&Back"
        QTRY_VERIFY(!first);
        QVERIFY(main.isVisible());
        setYear(2031); // loaded afresh: the year is read again
        QCOMPARE(texts(openInfo()), expectedTexts(2031));
    }

    void creditLineYear_data()
    {
        QTest::addColumn<int>("clockYear");
        QTest::addColumn<int>("shownYear");
        for (const auto &[clock, shown] : {std::pair{2001, 2003}, {2002, 2003}, {2003, 2003}, {2004, 2004}, {2040, 2040}})
            QTest::addRow("%d", clock) << clock << shown;
    }
    void creditLineYear()
    {
        QFETCH(int, clockYear);
        QFETCH(int, shownYear);
        setYear(clockYear);
        QCOMPARE(control<QLabel>(openInfo(), u"Label4"_qs)->text(), u"\u00a9 Vexlo 2000 - %1"_qs.arg(shownYear));
    }

    void systemDialogDisablesTheWindowWhileOpen_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("OK") << false;
        QTest::newRow("close box") << true;
    }
    void systemDialogDisablesTheWindowWhileOpen()
    {
        QFETCH(bool, closeBox);
        frminfo *info = openInfo();
        QString title, facts;
        bool infoEnabled = true, dialogEnabled = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            title = dialog->windowTitle();
            facts = control<QLabel>(dialog, u"facts"_qs)->text();
            infoEnabled = info->isEnabled();
            dialogEnabled = dialog->isEnabled();
            closeBox ? void(dialog->close()) : QTest::keyClick(dialog, Qt::Key_Return);
        });
        QTest::mouseClick(control(info, u"cmdsystem"_qs), Qt::LeftButton);

        QCOMPARE(title, u"Systeeminformatie"_qs);
        QVERIFY(!infoEnabled && dialogEnabled && info->isEnabled());
        for (const QString &fact : {u"Besturingssysteem: "_qs, u"Processor: "_qs, u"Qt-versie: "_qs + qVersion(),
                                    u"Scherm: "_qs, u"Standaardprinter: "_qs})
            QVERIFY2(facts.contains(fact), qPrintable(fact));
    }
};

QTEST_MAIN(FrminfoTest)
#include "tst_frminfo.moc"
