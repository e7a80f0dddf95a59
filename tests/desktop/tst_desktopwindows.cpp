// Both windows as the desktop shows them: Qt's own texts in Dutch, and at
// QT_SCALE_FACTOR=2 twice the size with every text still whole.
#include "form1.h"
#include "form1layout.h"
#include "frminfo.h"
#include "frminfolayout.h"
#include "qttranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

// The controls whose text would not show whole, or that stick out of their parent.
QStringList cutOff(const QWidget &window)
{
    QStringList wrong;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        QString text;
        QRect room = widget->rect();
        int flags = Qt::TextShowMnemonic;
        if (auto *label = qobject_cast<const QLabel *>(widget)) {
            text = label->text();
            flags |= label->wordWrap() ? Qt::TextWordWrap : 0;
        } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            text = button->text();
            // An option button wraps beside its circle; a command button keeps a margin.
            room = button->inherits("QRadioButton") ? room.adjusted(17, 0, 0, 0) : room.adjusted(3, 0, -3, 0);
            flags |= button->inherits("QRadioButton") ? Qt::TextWordWrap : 0;
        }
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
        const bool textCut = needed.width() > room.width() || needed.height() > room.height() + metrics.descent();
        if (textCut || !widget->parentWidget()->rect().contains(widget->geometry()))
            wrong << widget->objectName();
    }
    return wrong;
}

} // namespace

class TestDesktopWindows : public QObject
{
    Q_OBJECT
private slots:
    void textBoxMenuIsDutch();
    void windowsScaleWhole();
};

void TestDesktopWindows::textBoxMenuIsDutch()
{
    loadQtTranslations(*qApp);
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(entries.contains(QStringLiteral("Plakken")) && entries.contains(QStringLiteral("Alles selecteren")),
             qPrintable(entries.join(QLatin1Char('|'))));
}

void TestDesktopWindows::windowsScaleWhole()
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    Form1 form;
    frminfo info;
    info.Form_Load();
    info.Form_Activate();
    const QSize infoSize = Twips::toPixels(frminfoLayout::clientWidth, frminfoLayout::clientHeight);
    for (auto [window, designed] : {std::pair<QWidget *, QSize>{&form, Form1Layout::clientSize}, {&info, infoSize}}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowHandle()->devicePixelRatio(), scale);
        QCOMPARE(window->grab().size(), designed * scale);
        QCOMPARE(cutOff(*window), QStringList());
    }
}

QTEST_MAIN(TestDesktopWindows)
#include "tst_desktopwindows.moc"
