#include "form1.h"
#include "frminfo.h"
#include "kwindeltest.h"
#include "qttranslations.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

// Both windows as drawn, against reference images, and every text in them
// drawn cleanly and within its box, also at QT_SCALE_FACTOR=2.
class LookTest : public QObject
{
    Q_OBJECT

    // Letters that blur together leave mid-grey blocks that no letter has.
    static bool hasGreyBlock(const QWidget *widget, const QString &text)
    {
        const QFont font = widget->font();
        const QFontMetrics metrics(font);
        const qreal ratio = widget->devicePixelRatioF(); // as the screen shows it
        QImage image(QSize(metrics.horizontalAdvance(text) + 8, metrics.height() + 8) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image); // default pen: black
        painter.setFont(font);
        painter.drawText(4, 4 + metrics.ascent(), text);
        const auto greyBlockAt = [&](int left, int top) {
            for (int y = top; y < top + 4; ++y)
                for (int x = left; x < left + 3; ++x)
                    if (qGray(image.pixel(x, y)) < 64 || qGray(image.pixel(x, y)) > 192)
                        return false;
            return true;
        };
        for (int y = 0; y + 4 <= image.height(); ++y)
            for (int x = 0; x + 3 <= image.width(); ++x)
                if (greyBlockAt(x, y))
                    return true;
        return false;
    }

    // Every text drawn cleanly. Labels wrap within their box, questions
    // within their designed lines (13 pixels a line); button captions stay
    // whole beside any circle; nothing sticks out of the window.
    static void textsAreWholeAndClean(const QWidget *window)
    {
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            auto *label = qobject_cast<const QLabel *>(widget);
            auto *button = qobject_cast<const QAbstractButton *>(widget);
            auto *list = qobject_cast<const QComboBox *>(widget);
            auto *frame = qobject_cast<const QGroupBox *>(widget);
            const QString text = label ? label->text() : button ? button->text() : frame ? frame->title() : QString();
            QStringList drawn = QString(text).remove(u'&').split("\r\n");
            for (int i = 0; list && i < list->count(); ++i)
                drawn << list->itemText(i);
            for (const QString &line : drawn)
                QVERIFY2(!hasGreyBlock(widget, line), qPrintable(line));

            const bool option = widget->inherits("QRadioButton");
            const QRect room = widget->rect().adjusted(option ? 17 : button ? 3 : 0, 0, button && !option ? -3 : 0, 0);
            const QFontMetrics metrics(widget->font());
            const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap | Qt::TextShowMnemonic, frame ? QString() : text);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height() + metrics.descent()
                         && window->rect().contains(widget->mapTo(window, widget->rect().bottomRight())), qPrintable(text));
            if (label && label->wordWrap() && window->inherits("Form1"))
                QVERIFY2(needed.height() / metrics.lineSpacing() <= (label->height() + 4) / 13, qPrintable(text));
        }
    }

    // At scale 1 as the references show; at QT_SCALE_FACTOR=2 twice their size.
    static void look(QWidget *widget, const QString &name)
    {
        const QImage image = widget->grab().toImage();
        if (qEnvironmentVariable("QT_SCALE_FACTOR", "1") == "1")
            compareGolden(image, name);
        else
            QCOMPARE(image.size(), QImage(KWINDEL_SOURCE_DIR "/tests/golden/" + name).size() * 2);
    }

private slots:
    void initTestCase() { frminfo::setClock([] { return QDate(2026, 12, 7); }); }

    void mainWindowPagesAndLists()
    {
        Quiz quiz;
        QCOMPARE(quiz.form->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
        textsAreWholeAndClean(quiz.form.get());
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

    void textBoxMenuIsDutch()
    {
        loadQtTranslations(*qApp);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (const QAction *action : menu->actions())
            entries << action->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(entries.contains("Plakken") && entries.contains("Alles selecteren"), qPrintable(entries.join('|')));
    }

    void infoWindow()
    {
        Quiz quiz;
        click(quiz.form.get(), "cmdInfo");
        frminfo *info = shownInfoWindow();
        QVERIFY(info);
        textsAreWholeAndClean(info);
        look(info, "frminfo.png");

        // Where every control of both windows is, also where nothing is drawn.
        QByteArray places;
        for (const QWidget *window : {static_cast<QWidget *>(quiz.form.get()), static_cast<QWidget *>(info)})
            for (const QWidget *widget : window->findChildren<QWidget *>(QRegularExpression("^[A-Za-z]")))
                places += QStringLiteral("%1 %2,%3 %4x%5\n").arg(widget->objectName()).arg(widget->x()).arg(widget->y())
                              .arg(widget->width()).arg(widget->height()).toUtf8();
        if (qEnvironmentVariable("QT_SCALE_FACTOR", "1") == "1") // self-sizing labels measure text
            compareGolden(places, "places.txt");
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
