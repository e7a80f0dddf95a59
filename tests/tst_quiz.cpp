#include "kwindeltest.h"
#include "messages.h"

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
    // the back and forward buttons' enabled state, the name warnings. f
    // forward, b back, n both names typed, x own name typed and deleted.
    void pagingFollowsTheStateTable()
    {
        QByteArray moves;
        for (const QString user : {"fbfffffffffbffbfff", "nfffffffffffb", "x"}) {
            Quiz quiz;
            for (QChar move : user) {
                if (move == u'x')
                    for (Qt::Key key : {Qt::Key_K, Qt::Key_Backspace})
                        QTest::keyClick(control(quiz.form.get(), "txtNaam"), key);
                else if (move == u'n')
                    for (const char *box : {"txtAGeslacht", "txtNaam"})
                        control<QLineEdit>(quiz.form.get(), box)->setText("Kim");
                else
                    click(quiz.form.get(), move == u'f' ? "cmdPrevNext(0)" : "cmdPrevNext(1)");
                QString shown;
                for (int i = 0; i < 12; ++i)
                    shown += control(quiz.form.get(), QStringLiteral("Frame(%1)").arg(i))->isVisible() ? QString::number(i) + ' ' : "";
                moves += QStringLiteral("%1: page %2, frames shown %3| back %4, forward %5 | %6\n").arg(move).arg(quiz.form->currentPage())
                             .arg(shown).arg(control(quiz.form.get(), "cmdPrevNext(1)")->isEnabled())
                             .arg(control(quiz.form.get(), "cmdPrevNext(0)")->isEnabled()).arg(quiz.messages.join(", ")).toUtf8();
                quiz.messages.clear();
            }
            moves += '\n';
        }
        compareGolden(moves, "paging.txt");
    }

    // Tab from "Verder" round to it again, on every page.
    void tabOrderFollowsTheDesign()
    {
        Quiz quiz;
        QByteArray cycles;
        for (int page = 0; page < 12; ++page) {
            control(quiz.form.get(), "cmdPrevNext(0)")->setFocus();
            do {
                press(Qt::Key_Tab);
                cycles += focus().toLatin1() + ' ';
            } while (focus() != "cmdPrevNext(0)");
            cycles += '\n';
            quiz.form->findChild<QLineEdit *>(page == 9 ? "txtAGeslacht" : "txtNaam")->setText("Kim");
            forward(*quiz.form);
        }
        compareGolden(cycles, "tab-order.txt");
    }

    // The focus stays in the button row, and pasted text is kept whole.
    void keyboardAndPasteFromStartToEnd()
    {
        Quiz quiz;
        QWidget *form = quiz.form.get();
        // Qt presses a button 100 ms after its access key; a click in between
        // moves first, and the late press meets a disabled button.
        forward(*quiz.form);
        press(Qt::Key_T, Qt::AltModifier);
        click(form, "cmdPrevNext(1)");
        QTest::qWait(300);
        QCOMPARE(quiz.form->currentPage(), 0);
        QVERIFY(control(form, "Frame(0)")->isVisible());

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

    // As the desktop draws it: no icon in the box nor on its button.
    void messageBoxShowsTextAndOkOnly()
    {
        std::unique_ptr<QMessageBox> box(Messages::createBox(nullptr, "Vul uw naam in!"));
        box->setAttribute(Qt::WA_DeleteOnClose, false);
        box->show();
        QCOMPARE(box->windowTitle(), "Kwindel");
        compareGolden(box->grab().toImage(), "message.png");
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
