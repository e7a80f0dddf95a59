#include "form1.h"
#include "frminfo.h"
#include "kwindeltest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

// Both windows as drawn, against reference images, and every text in them
// drawn cleanly and within its box.
class LookTest : public QObject
{
    Q_OBJECT

    // Letters that blur together leave mid-grey blocks that no letter has.
    static bool hasGreyBlock(const QFont &font, const QString &text)
    {
        const QFontMetrics metrics(font);
        QImage image(metrics.horizontalAdvance(text) + 8, metrics.height() + 8, QImage::Format_RGB32);
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

    static void checkTextsOf(const QWidget *window)
    {
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            QStringList texts;
            if (auto *label = qobject_cast<const QLabel *>(widget))
                texts = label->text().split("\r\n");
            else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
                texts << button->text().remove(u'&');
            else if (auto *frame = qobject_cast<const QGroupBox *>(widget))
                texts << frame->title();
            else if (auto *list = qobject_cast<const QComboBox *>(widget))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
            for (const QString &text : texts)
                QVERIFY2(!hasGreyBlock(widget->font(), text), qPrintable(text));
        }
    }

private slots:
    void initTestCase() { frminfo::setClock([] { return QDate(2026, 12, 7); }); }

    void mainWindowPagesAndLists()
    {
        Quiz quiz;
        checkTextsOf(quiz.form.get());
        for (int page = 0; page < 12; ++page) {
            compareGolden(quiz.form->grab().toImage(), QStringLiteral("form1-page%1.png").arg(page + 1));
            forward(*quiz.form);
        }
        for (const char *name : {"cmbStad", "cmbMonth"}) {
            auto *list = control<QComboBox>(quiz.form.get(), QLatin1String(name));
            list->showPopup();
            compareGolden(list->view()->grab().toImage(), QStringLiteral("%1-list.png").arg(QLatin1String(name)));
            list->hidePopup();
        }
    }

    // A label's text may run into its last line's descent, never further.
    void questionsFitTheirDesignedLines()
    {
        Quiz quiz;
        for (QLabel *label : quiz.form->findChildren<QLabel *>()) {
            const QFontMetrics metrics(label->font());
            const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.width() <= label->width(), qPrintable(label->text()));
            QVERIFY2(needed.height() / metrics.lineSpacing() <= (label->height() + 4) / 13, qPrintable(label->text()));
        }
    }

    void infoWindow()
    {
        Quiz quiz;
        click(quiz.form.get(), "cmdInfo");
        frminfo *info = shownInfoWindow();
        QVERIFY(info);
        checkTextsOf(info);
        compareGolden(info->grab().toImage(), "frminfo.png");
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
