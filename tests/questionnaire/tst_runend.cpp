#include "form1driver.h"

#include <QComboBox>
#include <QLineEdit>

class TestRunEnd : public QObject
{
    Q_OBJECT
private slots:
    void workedExample();
    void untouchedAnswersGiveEmptyLines();
    void secondCallRebuildsInsteadOfAppending();
    void shopAndHomeAnswersAreLeftOut();
};

void TestRunEnd::workedExample()
{
    Form1Fixture fixture;
    Form1 &form = *fixture.form;
    click(form, "optHkleur(1)");
    forward(form);
    click(form, "optDFeest(0)");
    forward(form);
    click(form, "optKleur(1)");
    forward(form);
    click(form, "optHobby(1)");
    forward(form, 2);
    control<QComboBox>(form, "cmbStad")->setCurrentIndex(1);
    forward(form);
    click(form, "optStrand(0)");
    forward(form);
    control<QComboBox>(form, "cmbMonth")->setCurrentIndex(6);
    forward(form, 2);
    QTest::keyClicks(control<QLineEdit>(form, "txtAGeslacht"), "de buurjongen");

    form.RunEnd();
    QCOMPARE(form.resultText(), QStringLiteral("Je bent lief\r\n"
                                               "Je bent romantisch\r\n"
                                               "Je bent luidruchtig\r\n"
                                               "Je bent vastbesloten\r\n"
                                               "Je Feest graag in de hitteuh!\r\n"
                                               "Je hebt een tintje, want je houdt van de zon \r\n"
                                               "Je bent gelikt\r\n"
                                               "de buurjongen zal verliefd op je worden zoals je bent!!!!!"));
}

void TestRunEnd::untouchedAnswersGiveEmptyLines()
{
    Form1Fixture fixture;
    fixture.form->RunEnd();
    QCOMPARE(fixture.form->resultText(), QStringLiteral("\r\n\r\n\r\n\r\n"
                                                        "Je vind het leuk om rond mensen te zijn\r\n"
                                                        "\r\n"
                                                        "Je bent populair\r\n"
                                                        " zal verliefd op je worden zoals je bent!!!!!"));
}

void TestRunEnd::secondCallRebuildsInsteadOfAppending()
{
    Form1Fixture fixture;
    Form1 &form = *fixture.form;
    form.RunEnd();
    const QString first = form.resultText();
    form.RunEnd();
    QCOMPARE(form.resultText(), first);

    click(form, "optHkleur(0)");
    form.RunEnd();
    QVERIFY(form.resultText().startsWith(QStringLiteral("Je bent sexy\r\n")));
    QCOMPARE(form.resultText().count(QStringLiteral("\r\n")), 7);
}

void TestRunEnd::shopAndHomeAnswersAreLeftOut()
{
    Form1Fixture fixture;
    Form1 &form = *fixture.form;
    form.RunEnd();
    const QString before = form.resultText();

    forward(form, 4);
    click(form, "optWinkel(1)");
    forward(form, 4);
    click(form, "optThuis(1)");
    form.RunEnd();
    QCOMPARE(form.resultText(), before);
}

QTEST_MAIN(TestRunEnd)
#include "tst_runend.moc"
