#include "form1driver.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

class TestForm1Layout : public QObject
{
    Q_OBJECT
private slots:
    void captionsKeepEveryCharacter_data();
    void captionsKeepEveryCharacter();
    void windowIsFixedAtOnePageAndTheButtonRow();
    void questionTextsFitTheirBoxes_data();
    void questionTextsFitTheirBoxes();
    void tabKeyFollowsTheDesignedOrder();
};

void TestForm1Layout::captionsKeepEveryCharacter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    // Written as code points, so an encoding slip in the sources shows here.
    QTest::newRow("circumflex") << "optHobby(2)" << QString::fromUtf16(u"Ski\u00EAn");
    QTest::newRow("trailing blank") << "optWinkel(0)" << "PACIFIC SUNWEAR ";
    QTest::newRow("odd spelling") << "optKleur(2)" << "Goen";
    QTest::newRow("mixed case") << "Label3(7)" << "NOEM JE FAVORIETE HOBBY ALS JE KON KIeZEN TUSSEN:";
    QTest::newRow("arrow") << "optDFeest(2)" << "Eten -> feest";
    QTest::newRow("arrow back") << "optDFeest(3)" << "Feest -> eten";
    QTest::newRow("forward key") << "cmdPrevNext(0)" << "&Verder";
    QTest::newRow("back key") << "cmdPrevNext(1)" << "&Terug";
    QTest::newRow("info") << "cmdInfo" << "About...";
    QTest::newRow("last page") << "Frame(11)" << "12. Output";
    QTest::newRow("name page") << "Frame(9)" << "10. Persoon ander geslacht";
}

void TestForm1Layout::captionsKeepEveryCharacter()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Form1Fixture fixture;
    QWidget *widget = control(*fixture.form, name);
    QString shown;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        shown = frame->title();
    QCOMPARE(shown, caption);
}

void TestForm1Layout::windowIsFixedAtOnePageAndTheButtonRow()
{
    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kwindel"));
    QCOMPARE(form.windowIcon().availableSizes().size(), 2); // 32 and 16 pixels
    QCOMPARE(form.size(), QSize(224, 151));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    // The page and the button row both lie inside the client area.
    const QRect client = form.rect();
    QVERIFY(client.contains(control(form, "Frame(0)")->geometry()));
    for (const char *button : {"cmdInfo", "cmdPrevNext(0)", "cmdPrevNext(1)"})
        QVERIFY2(client.contains(control(form, button)->geometry()), button);
    QCOMPARE(control(form, "cmdPrevNext(0)")->geometry(), QRect(160, 112, 57, 25));
}

void TestForm1Layout::questionTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("designedLines");

    // A box of 195 or 255 twips holds one line, 315 and 435 two, 495 and 555 three.
    QTest::newRow("Label2") << "Label2" << 1;
    QTest::newRow("Label1") << "Label1" << 3;
    const int label3Lines[] = {2, 1, 2, 3, 2, 3, 2, 2, 2};
    for (int i = 0; i < 9; ++i)
        QTest::addRow("Label3(%d)", i) << QStringLiteral("Label3(%1)").arg(i) << label3Lines[i];
}

void TestForm1Layout::questionTextsFitTheirBoxes()
{
    QFETCH(QString, name);
    QFETCH(int, designedLines);

    Form1Fixture fixture;
    auto *label = control<QLabel>(*fixture.form, name);
    const QFontMetrics metrics(label->font());
    QVERIFY2(qAbs(metrics.lineSpacing() - 13) <= 1, qPrintable(QString::number(metrics.lineSpacing())));

    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    QVERIFY2(needed.width() <= label->width(), "a word runs past the right edge");
    const int lines = qRound(double(needed.height()) / metrics.lineSpacing());
    QVERIFY2(lines <= designedLines, qPrintable(QStringLiteral("%1 lines").arg(lines)));
    // Only the last line's descent may fall short of the box.
    QVERIFY(needed.height() - metrics.descent() <= label->height() + 3 || lines == 1);
}

void TestForm1Layout::tabKeyFollowsTheDesignedOrder()
{
    Form1Fixture fixture;
    Form1 &form = *fixture.form;
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    control(form, "optHkleur(0)")->setFocus();

    // A page's option buttons are one stop; hidden pages and the disabled
    // back button are skipped.
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdPrevNext(0)", "cmdInfo", "optHkleur(0)"}));
}

QTEST_MAIN(TestForm1Layout)
#include "tst_form1layout.moc"
