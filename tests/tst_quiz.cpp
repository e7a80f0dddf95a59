#include "form1.h"
#include "kwindeltest.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Paging through the main window by mouse and keyboard, and the name checks.
class QuizTest : public QObject
{
    Q_OBJECT

    static QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    // A key as the keyboard delivers it: to the control that has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

private slots:
    void paging_data()
    {
        QTest::addColumn<QString>("clicks"); // f forward, b back
        QTest::addColumn<bool>("named");     // both name boxes filled first
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("backEnabled");
        QTest::addColumn<bool>("forwardEnabled");
        QTest::addColumn<QStringList>("messages");

        const QString other = QStringLiteral("Vul een naam in!");
        const QString own = QStringLiteral("Vul uw naam in!");
        QTest::newRow("start") << "" << false << 0 << false << true << QStringList();
        QTest::newRow("forward") << "f" << false << 1 << true << true << QStringList();
        QTest::newRow("forward, back") << "fb" << false << 0 << false << true << QStringList();
        QTest::newRow("back again on page 0") << "fbb" << false << 0 << false << true << QStringList();
        QTest::newRow("to page 10, back") << "fffffffffb" << false << 8 << true << true << QStringList{other};
        QTest::newRow("to page 11, back") << "ffffffffffb" << false << 9 << true << true << QStringList{other, own};
        QTest::newRow("eleven forward") << "fffffffffff" << false << 11 << true << true << QStringList{other, own};
        QTest::newRow("twelfth forward") << "ffffffffffff" << false << 11 << true << false << QStringList{other, own};
        QTest::newRow("back on output") << "fffffffffffb" << false << 11 << true << false << QStringList{other, own};
        QTest::newRow("names given") << "fffffffffffbf" << true << 11 << true << false << QStringList();
    }
    void paging()
    {
        QFETCH(QString, clicks);
        QFETCH(bool, named);
        Quiz quiz;
        if (named) {
            control<QLineEdit>(quiz.form.get(), "txtAGeslacht")->setText("Sam");
            control<QLineEdit>(quiz.form.get(), "txtNaam")->setText("Kim");
        }
        for (QChar move : clicks)
            click(quiz.form.get(), move == u'f' ? "cmdPrevNext(0)" : "cmdPrevNext(1)");

        QFETCH(int, page);
        QCOMPARE(quiz.form->currentPage(), page);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(control(quiz.form.get(), QStringLiteral("Frame(%1)").arg(i))->isVisible(), i == page);
        QTEST(control(quiz.form.get(), "cmdPrevNext(1)")->isEnabled(), "backEnabled");
        QTEST(control(quiz.form.get(), "cmdPrevNext(0)")->isEnabled(), "forwardEnabled");
        QTEST(quiz.messages, "messages");
    }

    void emptyingANameBoxWarnsWhileTyping()
    {
        Quiz quiz;
        auto *name = control<QLineEdit>(quiz.form.get(), "txtNaam");
        QTest::keyClicks(name, "K");
        QVERIFY(quiz.messages.isEmpty());
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(quiz.messages, QStringList{"Vul uw naam in!"});
    }

    // Qt presses a button 100 ms after its access key; a click in between
    // moves first and the late press meets a disabled button.
    void accessKeyThenQuickClickStaysOnFirstPage()
    {
        Quiz quiz;
        forward(*quiz.form);
        QTest::keyClick(quiz.form.get(), Qt::Key_T, Qt::AltModifier);
        click(quiz.form.get(), "cmdPrevNext(1)");
        QTest::qWait(300);
        QCOMPARE(quiz.form->currentPage(), 0);
        QVERIFY(control(quiz.form.get(), "Frame(0)")->isVisible());
        QVERIFY(!control(quiz.form.get(), "cmdPrevNext(1)")->isEnabled());
    }

    void keyboardMovesKeepTheFocusInTheButtonRow()
    {
        Quiz quiz;
        QWidget *form = quiz.form.get();
        control(form, "cmdPrevNext(0)")->setFocus();
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(quiz.form->currentPage(), 2);
        QCOMPARE(focusName(), "cmdPrevNext(0)");

        control<QLineEdit>(form, "txtAGeslacht")->setText("Sam");
        forward(*quiz.form, 8);
        QTest::mouseClick(control(form, "txtNaam"), Qt::LeftButton);
        QTest::keyClicks(control(form, "txtNaam"), "Kim");
        QCOMPARE(focusName(), "txtNaam");
        press(Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(quiz.form->currentPage(), 11);
        QCOMPARE(focusName(), "cmdPrevNext(0)");
        press(Qt::Key_Space); // presses "Verder", which then gives way
        QCOMPARE(focusName(), "cmdPrevNext(1)");
        QCOMPARE(shownWindowCount(), 1);

        control(form, "cmdEnd")->setFocus();
        press(Qt::Key_Return);
        QVERIFY(!quiz.form->isVisible());
    }

    void pastedMegabyteNameIsKeptWhole()
    {
        Quiz quiz;
        const QString name = QString(1 << 20, u'x') + QStringLiteral("😀");
        QApplication::clipboard()->setText(name);
        auto *box = control<QLineEdit>(quiz.form.get(), "txtNaam");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), name);
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
