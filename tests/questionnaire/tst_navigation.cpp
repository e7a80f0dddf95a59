#include "form1driver.h"

#include <QGroupBox>
#include <QLineEdit>

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void clicksMoveThroughThePages_data();
    void clicksMoveThroughThePages();
    void accessKeysPressTheButtons();
    void nameWarningComesWhileTypingOnlyWhenBoxBecomesEmpty();
};

void TestNavigation::clicksMoveThroughThePages_data()
{
    QTest::addColumn<QString>("clicks"); // F forward, B back
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");
    QTest::addColumn<QStringList>("messages");

    const QString otherMissing = QStringLiteral("Vul een naam in!");
    const QString ownMissing = QStringLiteral("Vul uw naam in!");
    const auto f = [](int n) { return QString(n, QLatin1Char('F')); };

    QTest::newRow("after load") << "" << "" << "" << 0 << false << true << QStringList{};
    QTest::newRow("forward once") << "F" << "" << "" << 1 << true << true << QStringList{};
    QTest::newRow("forward then back") << "FB" << "" << "" << 0 << false << true << QStringList{};
    QTest::newRow("back then forward again") << "FBF" << "" << "" << 1 << true << true << QStringList{};
    QTest::newRow("onto the other-sex name page") << f(9) << "" << "" << 9 << true << true << QStringList{};
    QTest::newRow("leaving empty page 9 forward") << f(10) << "" << "" << 10 << true << true
                                                  << QStringList{otherMissing};
    QTest::newRow("leaving empty page 9 back") << f(9) + "B" << "" << "" << 8 << true << true
                                               << QStringList{otherMissing};
    QTest::newRow("leaving empty page 10 back") << f(10) + "B" << "" << "" << 9 << true << true
                                                << QStringList{otherMissing, ownMissing};
    QTest::newRow("eleven forward reach output") << f(11) << "" << "" << 11 << true << true
                                                 << QStringList{otherMissing, ownMissing};
    QTest::newRow("twelfth forward stays, disables Verder") << f(12) << "" << "" << 11 << true << false
                                                            << QStringList{otherMissing, ownMissing};
    QTest::newRow("back on output stays, disables Verder") << f(11) + "B" << "" << "" << 11 << true << false
                                                           << QStringList{otherMissing, ownMissing};
    QTest::newRow("names given: no warnings") << f(12) << "Sanne" << "Jan" << 11 << true << false << QStringList{};
    QTest::newRow("only own name missing") << f(11) << "Sanne" << "" << 11 << true << true
                                           << QStringList{ownMissing};
}

void TestNavigation::clicksMoveThroughThePages()
{
    QFETCH(QString, clicks);
    QFETCH(QString, otherName);
    QFETCH(QString, ownName);
    QFETCH(int, page);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);
    QFETCH(QStringList, messages);

    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    control<QLineEdit>(form, "txtAGeslacht")->setText(otherName);
    control<QLineEdit>(form, "txtNaam")->setText(ownName);

    for (QChar c : clicks)
        click(form, c == QLatin1Char('F') ? QStringLiteral("cmdPrevNext(0)") : QStringLiteral("cmdPrevNext(1)"));

    QCOMPARE(form.currentPage(), page);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(control(form, QStringLiteral("Frame(%1)").arg(i))->isVisible(), i == page);
        QCOMPARE(control(form, QStringLiteral("Frame(%1)").arg(i))->pos(), QPoint(8, 8));
    }
    QCOMPARE(control(form, "cmdPrevNext(1)")->isEnabled(), backEnabled);
    QCOMPARE(control(form, "cmdPrevNext(0)")->isEnabled(), forwardEnabled);
    QCOMPARE(fixture.messages, messages);
}

void TestNavigation::accessKeysPressTheButtons()
{
    Form1Fixture fixture;
    Form1 &form = *fixture.form;
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // An access key presses its button visibly, so the click comes a moment later.
    QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(form.currentPage(), 1);
    QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(form.currentPage(), 2);
    QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(form.currentPage(), 1);
}

void TestNavigation::nameWarningComesWhileTypingOnlyWhenBoxBecomesEmpty()
{
    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    forward(form, 10);
    fixture.messages.clear();

    auto *name = control<QLineEdit>(form, "txtNaam");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_J);
    QVERIFY(fixture.messages.isEmpty());
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(fixture.messages, QStringList{"Vul uw naam in!"});
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
