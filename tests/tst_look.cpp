#include "support/kwindeltest.h"

#include "messages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

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
        quiz.form->buildNameBoxes(); // else after the first drawing
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
        const QImage selected = box->grab().toImage();
        compareGolden(selected, "namebox-selection@1.5x.png");
        // A drag from where the highlight starts to the end selects the same.
        const QRgb highlight = box->palette().color(QPalette::Highlight).rgb();
        int start = selected.width();
        for (int y = 0; y < selected.height(); ++y)
            for (int x = 0; x < start; ++x)
                start = selected.pixel(x, y) == highlight ? x : start;
        box->deselect();
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(qRound(start / 1.5) + 1, box->height() / 2));
        QTest::mouseMove(box, QPoint(box->width() - 8, box->height() / 2));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() - 8, box->height() / 2));
        QCOMPARE(box->selectedText(), "Müller");
        box->clearFocus();
        moved.form->windowHandle()->setScreen(screens[0]);
        QCOMPARE(nameBox(moved), before);
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
