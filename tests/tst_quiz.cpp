#include "support/kwindeltest.h"

#include <QClipboard>
#include <QMessageBox>

// Paging through the main window by mouse and keyboard, and the name checks.
class QuizTest : public QObject
{
    Q_OBJECT

    // A key as the keyboard delivers it: to the control with the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static QString focus() { return QApplication::focusWidget()->objectName(); }

private slots:
    // Every move of three users and where it leaves them: the frames shown,
    // the back and forward buttons' enabled state, the name warnings, and
    // the order in which Tab goes round from "About...". f forward, b back,
    // n both names typed, x both typed and deleted.
    void pagingFollowsTheStateTable()
    {
        QByteArray moves;
        for (const QString user : {"fbfffffffffbffbfff", "nfffffffffffb", "x"}) {
            Quiz quiz;
            for (QChar move : user) {
                if (move == u'n' || move == u'x')
                    for (const char *box : {"txtAGeslacht", "txtNaam"})
                        QTest::keyClicks(control(quiz.form.get(), box), move == u'n' ? "Kim" : "K\b");
                else
                    click(quiz.form.get(), move == u'f' ? "cmdPrevNext(0)" : "cmdPrevNext(1)");
                QString state = QStringLiteral("%1: page %2, frames shown").arg(move).arg(quiz.form->currentPage());
                for (int i = 0; i < 12; ++i)
                    state += control(quiz.form.get(), QStringLiteral("Frame(%1)").arg(i))->isVisible() ? ' ' + QString::number(i) : "";
                state += QStringLiteral(" | back %1, forward %2 | %3\n    Tab:").arg(control(quiz.form.get(), "cmdPrevNext(1)")->isEnabled())
                             .arg(control(quiz.form.get(), "cmdPrevNext(0)")->isEnabled()).arg(quiz.messages.join(", "));
                control(quiz.form.get(), "cmdInfo")->setFocus();
                do {
                    press(Qt::Key_Tab);
                    state += ' ' + focus();
                } while (focus() != "cmdInfo");
                moves += state.toUtf8() + '\n';
                quiz.messages.clear();
            }
            moves += '\n';
        }
        compareGolden(moves, "paging.txt");
    }

    // The focus stays in the button row, and pasted text is kept whole.
    void keyboardAndPasteFromStartToEnd()
    {
        Quiz quiz;
        QWidget *form = quiz.form.get();
        // Arrows step round the options side by side and choose each they reach.
        control(form, "optHkleur(0)")->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up})
            press(key);
        quiz.form->RunEnd();
        QVERIFY(focus() == "optHkleur(1)" && quiz.form->resultText().startsWith("Je bent lief\r\n"));
        // On a page of two columns they go by the options' order, round,
        // not by where the options stand.
        forward(*quiz.form);
        control(form, "optDFeest(0)")->setFocus();
        QString order;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left}) {
            press(key);
            order += focus().at(10);
        }
        QCOMPARE(order, "12303");
        // Qt presses a button 100 ms after its access key; a click in between
        // moves first, and the late press meets a disabled button.
        press(Qt::Key_T, Qt::AltModifier);
        click(form, "cmdPrevNext(1)");
        QTest::qWait(300);
        QCOMPARE(quiz.form->currentPage(), 0);

        control(form, "cmdPrevNext(0)")->setFocus();
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(quiz.form->currentPage(), 2);
        QCOMPARE(focus(), "cmdPrevNext(0)");

        control<QLineEdit>(form, "txtAGeslacht")->setText("Sam");
        forward(*quiz.form, 8);
        const QString name = QString(1 << 20, u'x') + QStringLiteral("😀"); // pasted whole
        QApplication::clipboard()->setText(name);
        QTest::mouseClick(control(form, "txtNaam"), Qt::LeftButton);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(control<QLineEdit>(form, "txtNaam")->text(), name);
        press(Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(quiz.form->currentPage(), 11);
        QCOMPARE(focus(), "cmdPrevNext(0)");
        press(Qt::Key_Space); // presses "Verder", which then gives way to "Terug"
        QCOMPARE(focus(), "cmdPrevNext(1)");
        QVERIFY(!shownInfoWindow());

        control(form, "cmdEnd")->setFocus();
        press(Qt::Key_Return);
        QVERIFY(!quiz.form->isVisible());
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
