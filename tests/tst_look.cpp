#include "support/kwindeltest.h"

#include "messages.h"
#include "optionbutton.h"
#include "uifonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextLayout>

// Both windows as drawn, against reference images that were looked at
// zoomed in (every letter crisp, every text within its box), also at
// QT_SCALE_FACTOR=1.25 and 2, whose references are the @1.25x and @2x files.
class LookTest : public QObject
{
    Q_OBJECT

    static QString scaled(QString name)
    {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
        return scale == "1" ? name : name.insert(name.lastIndexOf(u'.'), u'@' + scale + u'x');
    }
    static void look(QWidget *widget, const QString &name) { compareGolden(widget->grab().toImage(), scaled(name)); }

    // Each line of every text in the interface face as drawn, against the
    // face's own unhinted advances at the screen's scale: its ink starts
    // and ends within a pixel of where they put it (a push button centres
    // its line, so there only the ink's width counts, within a pixel an end). Lines break as Qt breaks
    // them at scale 1; label lines are a face's line height apart.
    static void checkLetters(const QWidget *window)
    {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(widget);
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if ((!label && !button) || !UiFonts::isInterfaceFont(widget->font()) || !widget->isEnabled())
                continue;
            const QString text = (label ? label->text() : button->text().remove(u'&')).replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
            const QRect inside = label ? widget->rect() // past a circle or a bevel
                                       : qobject_cast<OptionButton *>(widget) ? widget->rect().adjusted(14, 0, 0, 0)
                                                                             : widget->rect().adjusted(4, 4, -4, -4);
            const QImage image = widget->grab(inside).toImage();
            const qreal scale = image.devicePixelRatio();
            const QRawFont face = UiFonts::interfaceFace(widget->font().pointSizeF(), scale);
            const auto metrics = UiFonts::advancesOf(face);
            auto *option = qobject_cast<OptionButton *>(widget);
            const QRawFont designed = UiFonts::interfaceFace(widget->font().pointSizeF(), 1);
            const int pitch = std::min(qRound(face.ascent() + face.descent()), int(qRound(designed.ascent() + designed.descent()) * scale));
            const int lineHeight = label || option ? pitch : image.height();

            QTextLayout layout(text, widget->font());
            layout.setTextOption(QTextOption(Qt::AlignLeft)); // breaks at spaces only, as Windows does
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                line.setLineWidth((label && label->wordWrap()) || option ? inside.width() : 1e6);
            layout.endLayout();
            const int top = option ? (image.height() - layout.lineCount() * lineHeight) / 2 : 0;
            for (int row = 0; row < layout.lineCount(); ++row) {
                const QTextLine line = layout.lineAt(row);
                const QString shown = text.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator).trimmed();
                const QList<quint32> glyphs = face.glyphIndexesForString(shown);
                const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, metrics);
                int first = -1, last = -1, inkFirst = -1, inkLast = -1;
                qreal x = 0;
                // Windows' bold overstrikes each letter a device pixel to the right.
                const int bold = widget->font().bold() ? std::max(1, qRound(scale)) : 0;
                for (qsizetype i = 0; i < glyphs.size(); x += advances[i++].x() + bold) {
                    const QRectF ink = face.boundingRect(glyphs[i]);
                    first = first < 0 && ink.width() > 0 ? qRound(x + ink.left()) : first;
                    last = ink.width() > 0 ? qRound(x + ink.right()) - 1 + bold : last;
                }
                // Between the line above's descenders and its own.
                const int skip = label || option ? qRound(face.ascent() + face.descent()) - pitch : 0;
                const int rows = label || option ? qRound(face.ascent()) + 1 : lineHeight; // and a row for rounding
                for (int y = top + row * lineHeight + skip; y < std::min(image.height(), top + row * lineHeight + rows); ++y)
                    for (int column = 0; column < image.width(); ++column)
                        if (qGray(image.pixel(column, y)) < 128) {
                            inkFirst = inkFirst < 0 ? column : std::min(inkFirst, column);
                            inkLast = std::max(inkLast, column);
                        }
                if (row == 0 && button && button->text().contains(u'&')) { // the access key's underline
                    const int key = static_cast<int>(button->text().indexOf(u'&'));
                    qreal origin = 0;
                    for (int i = 0; i < key; ++i)
                        origin += advances[i].x();
                    first = std::min(first, qRound(origin));
                    last = std::max(last, qRound(origin + advances[key].x()) - 1);
                }
                const int shift = label || option ? 0 : inkFirst - first;
                if (std::abs(inkFirst - shift - first) > 1 || std::abs(inkLast - shift - last) > (shift ? 2 : 1))
                    QFAIL(qPrintable(QStringLiteral("%1 \"%2\" inked %3..%4, the face puts it at %5..%6")
                                         .arg(widget->objectName(), shown).arg(inkFirst).arg(inkLast).arg(first).arg(last)));
            }
        }
    }

private slots:
    void initTestCase() { frminfo::setClock([] { return QDate(2026, 12, 7); }); }

    void mainWindowPagesAndLists()
    {
        Quiz quiz;
        QCOMPARE(quiz.form->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        for (int page = 0; page < 12; ++page) {
            look(quiz.form.get(), QStringLiteral("form1-page%1.png").arg(page + 1));
            forward(*quiz.form);
        }
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
            checkLetters(window);
        for (const QWidget *window : {static_cast<QWidget *>(quiz.form.get()), static_cast<QWidget *>(info)})
            for (const QWidget *widget : window->findChildren<QWidget *>(QRegularExpression("^[A-Za-z]")))
                places += QStringLiteral("%1 %2,%3 %4x%5\n").arg(widget->objectName()).arg(widget->x()).arg(widget->y())
                              .arg(widget->width()).arg(widget->height()).toUtf8();
        compareGolden(places, "places.txt"); // the same at every scale
        QWidget *link = control(info, "lblmail");
        QTest::mouseMove(link, link->rect().center()); // bold under the mouse
        QVERIFY(link->font().bold());
        checkLetters(info);
    }

    // In the windows' face, with no icon in the box nor on its button.
    void messageBoxInTheInterfaceFace()
    {
        Quiz quiz;
        std::unique_ptr<QMessageBox> box(Messages::createBox(quiz.form.get(), "Vul een naam in!"));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->windowTitle(), "Kwindel");
        for (const QWidget *part : {box->findChild<QWidget *>("qt_msgbox_label"), static_cast<QWidget *>(box->button(QMessageBox::Ok))})
            QVERIFY(UiFonts::isInterfaceFont(part->font()));
        look(box.get(), "message.png");
        checkLetters(box.get());
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
            box->setText("Zoë Łódź");
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
        moved.form->windowHandle()->setScreen(screens[0]);
        QCOMPARE(nameBox(moved), before);
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
