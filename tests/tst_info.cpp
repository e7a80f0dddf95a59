#include "support/kwindeltest.h"
#include "readablecolour.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

// The info window opened from the real main window: its texts on every
// activation, translucency, links and the System dialog.
class InfoTest : public QObject
{
    Q_OBJECT

    static frminfo *openFrom(Quiz &quiz)
    {
        click(quiz.form.get(), "cmdInfo");
        frminfo *info = shownInfoWindow();
        if (!info || !QTest::qWaitForWindowActive(info))
            qFatal("no info window");
        return info;
    }

private slots:
    void cleanup() { QApplication::closeAllWindows(); }

    // Visits as a user makes them: opened, hovered, links used, activated
    // again, closed by keyboard, opened afresh and the System dialog used.
    // Reference images show the rest of the window as activation leaves it.
    void visitFromOpeningToReopening()
    {
        frminfo::setClock([] { return QDate(2001, 1, 1); });
        Quiz quiz;
        frminfo *info = openFrom(quiz);
        QCOMPARE(info->windowTitle(), "Info   [2.0]");
        QCOMPARE(info->windowOpacity(), 200 / 255.0);
        QCOMPARE(info->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        QCOMPARE(QApplication::focusWidget()->objectName(), "cmdback");
        QCOMPARE(control<QLabel>(info, "Label4")->text(), "© Vexlo 2000 - 2003");
        const QImage first = info->grab().toImage();

        // The link under the pointer is bold, the others not; a click opens it.
        const QStringList links{"lblsite(0)", "lblsite(1)", "lblmail"};
        const auto bold = [&] {
            QString states;
            for (const QString &link : links)
                states += control(info, link)->font().bold() ? u'1' : u'0';
            return states;
        };
        QCOMPARE(bold(), "000");
        // Each link straight onto each other one, and onto the frame's surface.
        for (const auto &[name, expected] : {std::pair{"lblsite(0)", "100"}, {"Frame1", "000"}, {"lblsite(1)", "010"},
                                             {"Frame1", "000"}, {"lblmail", "001"}, {"Label2", "001"}, {"Frame1", "000"},
                                             {"lblsite(0)", "100"}, {"lblsite(1)", "010"}, {"lblsite(0)", "100"},
                                             {"lblmail", "001"}, {"lblsite(1)", "010"}, {"lblmail", "001"}, {"lblsite(0)", "100"}}) {
            QWidget *target = control(info, name);
            QTest::mouseMove(target, target == control(info, "Frame1") ? QPoint(300, 70) : target->rect().center());
            QTRY_COMPARE(bold(), expected);
        }
        forgetOpened();
        for (const QString &link : links)
            QTest::mouseClick(control(info, link), Qt::LeftButton);
        QCOMPARE(bold(), "100");
        QTRY_COMPARE(opened(), (QStringList{"http://www.vexlo.example/", "http://www.kwindel-auteur.example/",
                                            "mailto:kwindel@vexlo.example?subject=Kwindel    [1.0 Build0]"}));
        QTest::mouseMove(control(info, "Frame1"), QPoint(300, 70));

        control<QLabel>(info, "lblware")->clear();
        info->setWindowTitle("Info");
        quiz.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(quiz.form.get()));
        info->activateWindow(); // as a click on the window does
        QVERIFY(QTest::qWaitForWindowActive(info));
        QCOMPARE(info->grab().toImage(), first);
        QCOMPARE(info->windowTitle(), "Info   [2.0]");
        info->showMinimized();
        QCOMPARE(openFrom(quiz), info); // About... again: the one window, restored
        QVERIFY(!info->isMinimized());
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 2);

        QPointer<frminfo> closing(info);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "&Back" has the focus
        QTRY_VERIFY(!closing);
        frminfo::setClock([] { return QDate(2031, 1, 1); });
        info = openFrom(quiz);
        QCOMPARE(control<QLabel>(info, "Label4")->text(), "© Vexlo 2000 - 2031"); // loaded afresh

        // The window takes no input while the System dialog over it does;
        // the dialog's OK closes it for good.
        QString seen;
        QTimer::singleShot(0, info, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            seen = QStringLiteral("%1%2 %3\n").arg(info->isEnabled()).arg(dialog->isEnabled()).arg(dialog->windowTitle())
                   + control<QLabel>(dialog, "facts")->text();
            QTest::keyClick(dialog, Qt::Key_Return);
            seen += dialog->isVisible() ? " (OK did nothing)" : "";
            dialog->close();
        });
        qputenv("LPDEST", "KwindelNoSuchQueue"); // no default printer
        click(info, "cmdsystem");
        qunsetenv("LPDEST");
        static const QRegularExpression facts("^01 Systeeminformatie\nBesturingssysteem: .+ \\(linux .+\\)\nProcessor: \\w+\n"
                                              "Qt-versie: 6\\.[\\d.]+\nScherm: 1280 x 1024 pixels, \\d+ dpi\nStandaardprinter: geen$");
        QVERIFY2(facts.match(seen).hasMatch(), qPrintable(seen));
        QVERIFY(info->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!info->findChild<QDialog *>());
    }

    // Every text of both windows reads (4.5:1) on a standard, a dark and a
    // high-contrast face; on the standard one the links keep their dark red,
    // on the others its hue.
    void textsReadOnEveryFace()
    {
        const QPalette standard = QApplication::palette();
        for (const QPalette &face : {QPalette(QColor(50, 50, 50)), QPalette(Qt::black), standard}) { // the last one stays
            QApplication::setPalette(face);
            Quiz quiz;
            frminfo *info = openFrom(quiz);
            for (const QWidget *w : QApplication::allWidgets()) // both windows'
                QVERIFY2(!w->isEnabled() || ReadableColour::contrast(w->palette().color(w->foregroundRole()),
                                                                     w->palette().color(w->backgroundRole())) >= 4.5, qPrintable(w->objectName()));
            // Elsewhere a lighter shade of the same red, not a grey.
            const QColor link = control(info, "lblsite(1)")->palette().color(QPalette::WindowText);
            QCOMPARE(link == QColor(192, 0, 0), face == standard);
            QVERIFY2(link.hslHue() == 0 && link.hslSaturationF() > 0.99, qPrintable(link.name()));
            QApplication::closeAllWindows();
        }
    }
};

QTEST_MAIN(InfoTest)
#include "tst_info.moc"
