#include "support/kwindeltest.h"

#include "messages.h"
#include "pixeltext.h"
#include "qttranslations.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyleFactory>

// Both windows and the message box as drawn, against reference images that
// were looked at zoomed in (every letter crisp, evenly spaced and within its
// box), also at each QT_SCALE_FACTOR of tests/CMakeLists.txt, whose
// references are the @1.25x to @2x files.
class LookTest : public QObject
{
    Q_OBJECT

    static QString scaled(QString name)
    {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
        return scale == "1" ? name : name.insert(name.lastIndexOf(u'.'), u'@' + scale + u'x');
    }
    static void look(QWidget *widget, const QString &name) { compareGolden(widget->grab().toImage(), scaled(name)); }
    // A composition as input methods mark it.
    static QTextCharFormat underlined()
    {
        QTextCharFormat format;
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        return format;
    }

private slots:
    void initTestCase() { frminfo::setClock([] { return QDate(2026, 12, 7); }); }

    void mainWindowPagesAndLists()
    {
        Quiz quiz;
        QCOMPARE(quiz.form->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        // As typed by the Wine test's user 9 and user 4, whose boxes it measures against these.
        control<QLineEdit>(quiz.form.get(), "txtAGeslacht")->setText("René Müller");
        control<QLineEdit>(quiz.form.get(), "txtNaam")->setText("Noël");
        for (int page = 0; page < 12; ++page) {
            look(quiz.form.get(), QStringLiteral("form1-page%1.png").arg(page + 1));
            forward(*quiz.form);
        }
        // Keyboard focus: the rectangle goes round the caption, clear of its "r".
        Quiz focused;
        control(focused.form.get(), "optHkleur(1)")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        look(control(focused.form.get(), "optHkleur(0)"), "option-focus.png");
        for (const char *name : {"cmbStad", "cmbMonth"}) {
            auto *list = control<QComboBox>(quiz.form.get(), QLatin1String(name));
            list->showPopup();
            look(list->view(), QStringLiteral("%1-list.png").arg(QLatin1String(name)));
            list->hidePopup();
        }
    }

    // Where every control of both windows is, also where nothing is drawn.
    void infoWindowAndPlaces()
    {
        Quiz quiz;
        click(quiz.form.get(), "cmdInfo");
        frminfo *info = shownInfoWindow();
        QVERIFY(info);
        look(info, "frminfo.png");
        QByteArray places;
        for (const QWidget *window : {static_cast<QWidget *>(quiz.form.get()), static_cast<QWidget *>(info)})
            for (const QWidget *widget : window->findChildren<QWidget *>(QRegularExpression("^[A-Za-z]")))
                places += QStringLiteral("%1 %2,%3 %4x%5\n").arg(widget->objectName()).arg(widget->x()).arg(widget->y())
                              .arg(widget->width()).arg(widget->height()).toUtf8();
        compareGolden(places, "places.txt"); // the same at every scale
        QWidget *link = control(info, "lblmail");
        QTest::mouseMove(link, link->rect().center()); // bold under the mouse, and whole
        QVERIFY(link->font().bold());
        look(info, "frminfo-hover.png");
    }

    // In the windows' face (its reference image shows it), with no icon in
    // the box nor on its button.
    void messageBoxInTheInterfaceFace()
    {
        Quiz quiz;
        std::unique_ptr<QMessageBox> box(Messages::createBox(quiz.form.get(), "Vul een naam in!"));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->windowTitle(), "Kwindel");
        look(box.get(), "message.png");
        // The focus rectangles Windows' style draws (on the OK button, on a
        // list's current row), on whole device pixels at every scale.
        const std::unique_ptr<QStyle> windows(new PixelTextStyle(QStyleFactory::create("Windows")));
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        ok->setStyle(windows.get());
        ok->setFocus(Qt::TabFocusReason);
        look(ok, "focus-button.png");
        forward(*quiz.form, 7);
        auto *list = control<QComboBox>(quiz.form.get(), "cmbMonth");
        list->view()->setStyle(windows.get());
        list->showPopup();
        QTest::keyClick(list->view(), Qt::Key_Down);
        look(list->view(), "focus-list.png");
        list->hidePopup();
    }

    // Every way a user edits a name gives at every scale what it gives at
    // scale 1, where Qt draws the box (namebox-edits.txt, the same at every
    // scale); the pointer lands on the letters as drawn. Also shown: a long,
    // scrolled name's selection and a composition, as drawn.
    void nameBoxEditsAsAtScaleOne()
    {
        loadQtTranslations(*qApp);
        Quiz quiz;
        forward(*quiz.form, 10);
        auto *box = control<QLineEdit>(quiz.form.get(), "txtNaam");
        box->setFocus();
        QByteArray edits;
        const auto note = [&](const QString &step) {
            edits += QStringLiteral("%1: \"%2\", selected \"%3\" from %4, cursor %5\n").arg(step, box->text(), box->selectedText())
                         .arg(box->selectionStart()).arg(box->cursorPosition()).toUtf8();
        };
        // Where each position of the text is drawn.
        const auto drawn = [box] {
            box->grab(); // scrolled as drawn
            const int cursor = box->cursorPosition();
            QList<QPoint> at;
            for (int i = 0; i <= box->text().size(); ++i) {
                box->setCursorPosition(i);
                at << box->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().toPoint();
            }
            box->setCursorPosition(cursor);
            return at;
        };
        const auto key = [box](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(box, k, modifiers); };

        QTest::keyClicks(box, "aap noot mies");
        QList<QPoint> at = drawn();
        QTest::mouseClick(box, Qt::LeftButton, {}, at[5]);
        note("click");
        QTest::mouseClick(box, Qt::LeftButton, Qt::ShiftModifier, at[11]);
        note("shift+click");
        QTest::mouseDClick(box, Qt::LeftButton, {}, at[6]);
        note("double click");
        QTest::mouseClick(box, Qt::LeftButton, {}, at[6]);
        note("triple click");
        key(Qt::Key_X, Qt::ShiftModifier);
        note("typed");
        key(Qt::Key_Z, Qt::ControlModifier);
        note("undone");
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        note("redone");
        key(Qt::Key_Z, Qt::ControlModifier);
        QTest::mousePress(box, Qt::LeftButton, {}, at[1]);
        QTest::mouseMove(box, at[4]);
        QTest::mouseMove(box, at[7]);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at[7]);
        note("drag");
        for (const auto &[step, k, modifiers] : {std::tuple{"shift+left", Qt::Key_Left, Qt::ShiftModifier}, {"home", Qt::Key_Home, Qt::NoModifier},
                                                 {"ctrl+right", Qt::Key_Right, Qt::ControlModifier}, {"shift+end", Qt::Key_End, Qt::ShiftModifier},
                                                 {"cut", Qt::Key_X, Qt::ControlModifier}, {"ctrl+a", Qt::Key_A, Qt::ControlModifier},
                                                 {"paste", Qt::Key_V, Qt::ControlModifier}}) {
            key(k, modifiers);
            note(step);
        }
        // Qt's own menu, in Dutch, as at scale 1.
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << action->text();
        note("menu " + entries.join(u'|'));
        menu->actions().constLast()->trigger();
        note("menu's last entry");
        // A dead key's accent, composed, then the letter.
        key(Qt::Key_End);
        QInputMethodEvent accent(QStringLiteral("¨"), {{QInputMethodEvent::TextFormat, 0, 1, underlined()}});
        QApplication::sendEvent(box, &accent);
        note("composing");
        look(box, "namebox-composing.png");
        QInputMethodEvent letter;
        letter.setCommitString(QStringLiteral("ë"));
        QApplication::sendEvent(box, &letter);
        note("composed");
        // A long name: its end shown, the selection from a click to its start.
        box->setText(QStringLiteral("Maximiliaan Alexander van Oranje-Nassau de Tweede"));
        at = drawn();
        QTest::mouseClick(box, Qt::LeftButton, {}, at[at.size() - 10]);
        key(Qt::Key_Home, Qt::ShiftModifier);
        note("long name, shift+home");
        key(Qt::Key_End);
        key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        note("end, ctrl+shift+left twice");
        look(box, "namebox-long.png");
        compareGolden(edits, "namebox-edits.txt");
        // A name Qt must shape (an accent typed after its letter, a script
        // written right to left) is drawn by Qt, as a plain box draws it.
        box->clearFocus();
        QLineEdit plain(box->parentWidget());
        plain.setGeometry(box->geometry());
        plain.setFont(box->font());
        for (const QString &name : {QStringLiteral("Zoe\u0308"), QStringLiteral("\u05E9\u05E8\u05D4")}) {
            box->setText(name);
            plain.setText(name);
            QCOMPARE(box->grab().toImage(), plain.grab().toImage());
        }
    }

    // The name box in the theme's colours, also disabled, at every scale.
    void nameBoxInTheThemesColours()
    {
        Quiz quiz;
        forward(*quiz.form, 10);
        auto *box = control<QLineEdit>(quiz.form.get(), "txtNaam");
        QPalette dark(QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x20, 0x24, 0x28));
        dark.setColor(QPalette::Text, QColor(0xf0, 0xe8, 0xd0));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x70));
        box->setPalette(dark);
        box->setText("Zoë Müller");
        // The lightest pixel of the text is the theme's text colour.
        const auto lightest = [box] {
            const QImage image = box->grab().toImage();
            QRgb light = 0;
            for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
                for (int x = image.width() / 8; x < image.width() / 2; ++x)
                    light = qGray(image.pixel(x, y)) > qGray(light) ? image.pixel(x, y) : light;
            return QColor(light);
        };
        QCOMPARE(lightest(), dark.color(QPalette::Active, QPalette::Text));
        look(box, "namebox-dark.png");
        box->setEnabled(false);
        QCOMPARE(lightest(), dark.color(QPalette::Disabled, QPalette::Text));
    }

    // A window moved to a screen of another scale draws its name boxes as a
    // window opened there does, and as before when it comes back.
    void nameBoxesFollowTheirScreen()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (screens.size() != 2)
            QSKIP("needs the two screens of support/two-screens.json");
        const auto nameBox = [](Quiz &quiz) {
            auto *box = control<QLineEdit>(quiz.form.get(), "txtNaam");
            box->setText("Zoë Müller");
            return box->grab().toImage();
        };
        Quiz there;
        there.form->windowHandle()->setScreen(screens[1]);
        forward(*there.form, 10);
        Quiz moved;
        forward(*moved.form, 10);
        const QImage before = nameBox(moved);
        moved.form->windowHandle()->setScreen(screens[1]);
        QCOMPARE(nameBox(moved), nameBox(there));
        // There its selection lies on the letters as drawn.
        auto *box = control<QLineEdit>(moved.form.get(), "txtNaam");
        box->setSelection(4, 6);
        compareGolden(box->grab().toImage(), "namebox-selection@1.5x.png");
        box->clearFocus();
        moved.form->windowHandle()->setScreen(screens[0]);
        QCOMPARE(nameBox(moved), before);
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
