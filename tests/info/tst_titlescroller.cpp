#include "appidentity.h"
#include "infodriver.h"
#include "twips.h"

#include <QLabel>
#include <QTimer>

#include <cmath>

namespace {

// A title whose label in `font` is exactly `pixels` wide.
QString titleOfWidth(const QFont &font, int pixels)
{
    QLabel probe;
    probe.setFont(font);
    for (int wide = 0; wide < 40; ++wide) {
        for (int narrow = 0; narrow < 40; ++narrow) {
            probe.setText(QStringLiteral("Kwindel") + QString(wide, u'W') + QString(narrow, u'i'));
            probe.adjustSize();
            if (probe.width() == pixels)
                return probe.text();
        }
    }
    qFatal("no title %d pixels wide", pixels);
}

} // namespace

class TitleScrollerTest : public QObject
{
    Q_OBJECT
    QFont m_titleFont;

    frminfo *openWithTitle(const QString &title)
    {
        QCoreApplication::setApplicationName(title);
        return openInfo();
    }

private slots:
    void initTestCase()
    {
        applyApplicationIdentity();
        m_titleFont = control(openInfo(), QStringLiteral("lblproduct"))->font();
    }
    void cleanup()
    {
        closeAll();
        applyApplicationIdentity();
    }

    void startsOnlyForATitleWiderThanTheWindow_data()
    {
        QTest::addColumn<int>("width"); // pixels, 0 for the real title
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("Kwindel") << 0 << false;
        QTest::newRow("as wide as the client area") << 360 << false;
        QTest::newRow("a pixel wider") << 361 << true;
    }
    void startsOnlyForATitleWiderThanTheWindow()
    {
        QFETCH(int, width);
        QFETCH(bool, scrolls);
        frminfo *info = width ? openWithTitle(titleOfWidth(m_titleFont, width)) : openInfo();
        auto *title = control<QLabel>(info, QStringLiteral("lblproduct"));
        if (width)
            QCOMPARE(title->width(), width);
        QCOMPARE(control<QTimer>(info, QStringLiteral("tmrtitlescrl"))->isActive(), scrolls);
        QCOMPARE(control<QTimer>(info, QStringLiteral("tmrtitlescrl"))->interval(), 36);
        if (!scrolls) {
            QTest::qWait(100);
            QCOMPARE(title->x(), 136);
        }
    }

    void comesBackFromTheOuterWidthOnceFullyOut()
    {
        // 386 pixels = 5790 twips: from 2040 in steps of 58 the left edge
        // lands exactly on -5790, which already counts as out.
        frminfo *info = openWithTitle(titleOfWidth(m_titleFont, 386));
        control<QTimer>(info, QStringLiteral("tmrtitlescrl"))->stop();
        auto *title = control<QLabel>(info, QStringLiteral("lblproduct"));
        const float start = info->lblproductLeft();
        QCOMPARE(std::fmod(2040.0f - start, 58.0f), 0.0f);

        for (int tick = static_cast<int>((start + 5790) / 58); tick > 0; --tick)
            info->tmrtitlescrl_Timer();
        QCOMPARE(info->lblproductLeft(), -5790.0f);
        QCOMPARE(title->x(), -386);

        info->tmrtitlescrl_Timer();
        const float outer = static_cast<float>(info->frameGeometry().width() * 15);
        QCOMPARE(info->lblproductLeft(), outer - 58);
        QCOMPARE(title->x(), Twips::toPixels(outer - 58));
        info->tmrtitlescrl_Timer();
        QCOMPARE(info->lblproductLeft(), outer - 116);
    }
};

QTEST_MAIN(TitleScrollerTest)
#include "tst_titlescroller.moc"
