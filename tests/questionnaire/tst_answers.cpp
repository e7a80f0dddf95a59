#include "form1driver.h"

#include <QComboBox>
#include <QRadioButton>

namespace {

// The answer slots by name, so the tables below can name them.
const QString &slot(const Form1 &form, const QString &name)
{
    const Form1::Answers &a = form.answers();
    const std::pair<const char *, const QString *> table[] = {
        {"HairColour", &a.AnswerHairColour}, {"Date", &a.AnswerDate}, {"Colour", &a.AnswerColour},
        {"Hobby", &a.AnswerHobby},           {"Shop", &a.AnswerShop}, {"Beach", &a.AnswerBeach},
        {"Home", &a.AnswerHome},             {"City", &a.AnswerCity}, {"Month", &a.AnswerMonth},
    };
    for (const auto &[slotName, value] : table) {
        if (name == QLatin1String(slotName))
            return *value;
    }
    qFatal("no slot %s", qPrintable(name));
}

} // namespace

class TestAnswers : public QObject
{
    Q_OBJECT
private slots:
    void optionClickStoresItsPhrase_data();
    void optionClickStoresItsPhrase();
    void listSelectionStoresItsPhrase_data();
    void listSelectionStoresItsPhrase();
    void loadFillsCityAndMonthOnly();
    void userPicksCityWithTheKeyboard();
    void laterChoiceReplacesEarlierOne();
    void choiceOnOnePageLeavesOtherPagesAlone();
};

void TestAnswers::optionClickStoresItsPhrase_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("slotName");
    QTest::addColumn<QString>("phrase");

    const struct {
        int page;
        const char *option;
        const char *slotName;
        const char16_t *phrase;
    } rows[] = {
        {0, "optHkleur(0)", "HairColour", u"Je bent sexy"},
        {0, "optHkleur(1)", "HairColour", u"Je bent lief"},
        {1, "optDFeest(0)", "Date", u"Je bent romantisch"},
        {1, "optDFeest(1)", "Date", u"Je bent een lolmaker"},
        {1, "optDFeest(2)", "Date", u"Je bent een romantische lolmaker"},
        {1, "optDFeest(3)", "Date", u"Gij zijt gek, ik zou eerder Eten->feest nemen"},
        {2, "optKleur(0)", "Colour", u"Je bent schattig"},
        {2, "optKleur(1)", "Colour", u"Je bent luidruchtig"},
        {2, "optKleur(2)", "Colour", u"Je bent ZO geil"},
        {2, "optKleur(3)", "Colour", u"Je bent cool"},
        {3, "optHobby(0)", "Hobby", u"Je bent actief"},
        {3, "optHobby(1)", "Hobby", u"Je bent vastbesloten"},
        {3, "optHobby(2)", "Hobby", u"Je bent een durfal"},
        {4, "optWinkel(0)", "Shop", u"Je bent lol"},
        {4, "optWinkel(1)", "Shop", u"Je bent sexy"},
        {6, "optStrand(0)", "Beach", u"Je hebt een tintje, want je houdt van de zon "},
        {6, "optStrand(1)", "Beach", u"Je bent flets en origineel "},
        {8, "optThuis(0)", "Home", u"Je bent saai"},
        {8, "optThuis(1)", "Home", u"Je bent gek(geijk de maker van dit programma :p)"},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.option) << row.page << QString::fromLatin1(row.option) << QString::fromLatin1(row.slotName)
                                  << QString::fromUtf16(row.phrase);
    }
}

void TestAnswers::optionClickStoresItsPhrase()
{
    QFETCH(int, page);
    QFETCH(QString, option);
    QFETCH(QString, slotName);
    QFETCH(QString, phrase);

    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    forward(form, page);
    QVERIFY(slot(form, slotName).isEmpty());
    click(form, option);
    QCOMPARE(slot(form, slotName), phrase);
    QVERIFY(fixture.messages.isEmpty()); // no reply is shown at once, not even to "Feest -> eten"
}

void TestAnswers::listSelectionStoresItsPhrase_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("slotName");
    QTest::addColumn<QString>("phrase");

    const char16_t *cities[] = {u"Je vind het leuk om rond mensen te zijn", u"Je Feest graag in de hitteuh!",
                                u"Stil, je houdt van kou"};
    for (int i = 0; i < 3; ++i)
        QTest::addRow("cmbStad %d", i) << "cmbStad" << i << "City" << QString::fromUtf16(cities[i]);

    const char16_t *months[] = {u"Je bent populair", u"Je bent schitterend", u"Je bent luidruchtig",
                                u"Je maakt lol",     u"Je relaxed heel veel", u"Je bent blij",
                                u"Je bent gelikt",   u"Je hebt veel fun",   u"Je bent stil",
                                u"Je gaat veel uit", u"Je vindt het allemaal wel goed", u"Je hebt het warm"};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("cmbMonth %d", i) << "cmbMonth" << i << "Month" << QString::fromUtf16(months[i]);
}

void TestAnswers::listSelectionStoresItsPhrase()
{
    QFETCH(QString, list);
    QFETCH(int, item);
    QFETCH(QString, slotName);
    QFETCH(QString, phrase);

    Form1Fixture fixture;
    auto *combo = control<QComboBox>(*fixture.form, list);
    // Move away first so that selecting item 0 is a real change too.
    combo->setCurrentIndex(combo->count() - 1 - item);
    combo->setCurrentIndex(item);
    QCOMPARE(slot(*fixture.form, slotName), phrase);
}

void TestAnswers::loadFillsCityAndMonthOnly()
{
    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    const QStringList months{"Januari", "februari", "maart ", "april ", "mei", "juni", "july", "augustus",
                             "september", "oktober", "november", "december"};
    auto *monthList = control<QComboBox>(form, "cmbMonth");
    QStringList shown;
    for (int i = 0; i < monthList->count(); ++i)
        shown << monthList->itemText(i);
    QCOMPARE(shown, months);
    QCOMPARE(monthList->currentIndex(), 0);
    QCOMPARE(control<QComboBox>(form, "cmbStad")->currentText(), QStringLiteral("Amsterdam"));

    QCOMPARE(form.answers().AnswerMonth, QStringLiteral("Je bent populair"));
    QCOMPARE(form.answers().AnswerCity, QStringLiteral("Je vind het leuk om rond mensen te zijn"));
    for (const char *empty : {"HairColour", "Date", "Colour", "Hobby", "Shop", "Beach", "Home"})
        QVERIFY2(slot(form, QLatin1String(empty)).isEmpty(), empty);
}

void TestAnswers::userPicksCityWithTheKeyboard()
{
    Form1Fixture fixture;
    forward(*fixture.form, 5);
    auto *city = control<QComboBox>(*fixture.form, "cmbStad");
    city->setFocus();
    QTest::keyClick(city, Qt::Key_Down);
    QTest::keyClick(city, Qt::Key_Down);
    QCOMPARE(fixture.form->answers().AnswerCity, QStringLiteral("Stil, je houdt van kou"));
}

void TestAnswers::laterChoiceReplacesEarlierOne()
{
    Form1Fixture fixture;
    click(*fixture.form, "optHkleur(1)");
    click(*fixture.form, "optHkleur(0)");
    QCOMPARE(fixture.form->answers().AnswerHairColour, QStringLiteral("Je bent sexy"));
    QVERIFY(!control<QRadioButton>(*fixture.form, "optHkleur(1)")->isChecked());
}

void TestAnswers::choiceOnOnePageLeavesOtherPagesAlone()
{
    Form1Fixture fixture;
    const Form1 &form = *fixture.form;
    click(form, "optHkleur(1)");
    forward(form, 2);
    click(form, "optKleur(2)");
    forward(form, 6);
    click(form, "optThuis(0)");

    QVERIFY(control<QRadioButton>(form, "optHkleur(1)")->isChecked());
    QVERIFY(control<QRadioButton>(form, "optKleur(2)")->isChecked());
    QVERIFY(control<QRadioButton>(form, "optThuis(0)")->isChecked());
    QCOMPARE(form.answers().AnswerHairColour, QStringLiteral("Je bent lief"));
    QCOMPARE(form.answers().AnswerColour, QStringLiteral("Je bent ZO geil"));
    QVERIFY(form.answers().AnswerDate.isEmpty());
}

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
