#include "appidentity.h"
#include "infodriver.h"

#include <QLabel>
#include <QTimer>

class TitleScrollerTest : public QObject
{
    Q_OBJECT
    QFont m_titleFont;

    // Opens the window with a title whose label is exactly `pixels` wide.
    frminfo *openWithTitleOfWidth(int pixels)
    {
        QLabel probe;
        probe.setFont(m_titleFont);
        for (int wide = 0; wide < 40 && probe.width() != pixels; ++wide)
            for (int narrow = 0; narrow < 40 && probe.width() != pixels; ++narrow) {
                probe.setText(u"Kwindel"_qs + QString(wide, u'W') + QString(narrow, u'i'));
                probe.adjustSize();
            }
        QCoreApplication::setApplicationName(probe.text());
        frminfo *info = openInfo();
        if (control(info, u"lblproduct"_qs)->width() != pixels)
            qFatal("no title %d pixels wide", pixels);
        return info;
    }

private slots:
    void initTestCase()
    {
        applyApplicationIdentity();
        m_titleFont = control(openInfo(), u"lblproduct"_qs)->font();
    }
    void cleanup()
    {
        closeAll();
        applyApplicationIdentity();
    }

    void startsOnlyForATitleWiderThanTheWindow_data()
    {
        QTest::addColumn<int>("width"); // pixels, 0 for "Kwindel"
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("Kwindel") << 0 << false;
        QTest::newRow("as wide as the client area") << 360 << false;
        QTest::newRow("a pixel wider") << 361 << true;
    }
    void startsOnlyForATitleWiderThanTheWindow()
    {
        QFETCH(int, width);
        QFETCH(bool, scrolls);
        frminfo *info = width ? openWithTitleOfWidth(width) : openInfo();
        QCOMPARE(control<QTimer>(info, u"tmrtitlescrl"_qs)->isActive(), scrolls);
        QTest::qWait(80);
        QCOMPARE(control(info, u"lblproduct"_qs)->x() != 136, scrolls);
    }

    void comesBackFromTheOuterWidthOnceFullyOut()
    {
        // 386 pixels = 5790 twips: from 2040 in steps of 58 the left edge
        // lands exactly on -5790, which already counts as out.
        frminfo *info = openWithTitleOfWidth(386);
        control<QTimer>(info, u"tmrtitlescrl"_qs)->stop();
        QWidget *title = control(info, u"lblproduct"_qs);
        int ticks = 0;
        while (info->lblproductLeft() > -5790.0f && ++ticks < 200)
            info->tmrtitlescrl_Timer();
        QCOMPARE(info->lblproductLeft(), -5790.0f);
        QCOMPARE(title->x(), -386);

        info->tmrtitlescrl_Timer();
        const auto outer = static_cast<float>(info->frameGeometry().width() * 15);
        QCOMPARE(info->lblproductLeft(), outer - 58);
        QCOMPARE(title->x(), qRound((outer - 58) / 15));
        info->tmrtitlescrl_Timer();
        QCOMPARE(info->lblproductLeft(), outer - 116);
    }
};

QTEST_MAIN(TitleScrollerTest)
#include "tst_titlescroller.moc"
