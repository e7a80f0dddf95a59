// Both windows as the desktop shows them: Qt's own texts in Dutch, and at
// QT_SCALE_FACTOR=2 twice the size with every text still whole.
#include "form1.h"
#include "form1layout.h"
#include "frminfo.h"
#include "frminfolayout.h"
#include "qttranslations.h"

#include <QTest>
#include <QtWidgets>

// The controls whose text does not show whole, or that stick out of their parent.
static QStringList cutOff(const QWidget &window)
{
    QStringList wrong;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        auto *label = qobject_cast<const QLabel *>(widget);
        auto *button = qobject_cast<const QAbstractButton *>(widget);
        const bool option = widget->inherits("QRadioButton"); // wraps beside its circle
        const QRect room = option ? widget->rect().adjusted(17, 0, 0, 0)
                                  : button ? widget->rect().adjusted(3, 0, -3, 0) : widget->rect();
        const int wrap = (label && label->wordWrap()) || option ? Qt::TextWordWrap : 0;
        const QString text = label ? label->text() : button ? button->text() : QString();
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), wrap | Qt::TextShowMnemonic, text);
        if (needed.width() > room.width() || needed.height() > room.height() + metrics.descent()
            || !widget->parentWidget()->rect().contains(widget->geometry()))
            wrong << widget->objectName();
    }
    return wrong;
}

class TestDesktopWindows : public QObject
{
    Q_OBJECT
private slots:
    void textBoxMenuIsDutch()
    {
        loadQtTranslations(*qApp);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (const QAction *action : menu->actions())
            entries << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(entries.contains("Plakken") && entries.contains("Alles selecteren"), qPrintable(entries.join('|')));
    }

    void windowsScaleWhole()
    {
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        Form1 form;
        frminfo info;
        info.Form_Load();
        info.Form_Activate();
        const QSize infoSize = Twips::toPixels(frminfoLayout::clientWidth, frminfoLayout::clientHeight);
        for (auto [window, size] : {std::pair<QWidget *, QSize>{&form, Form1Layout::clientSize}, {&info, infoSize}}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->windowHandle()->devicePixelRatio(), scale);
            QCOMPARE(window->grab().size(), size * scale);
            QCOMPARE(cutOff(*window), QStringList());
        }
    }
};

QTEST_MAIN(TestDesktopWindows)
#include "tst_desktopwindows.moc"
