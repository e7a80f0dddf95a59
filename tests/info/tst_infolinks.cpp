#include "appidentity.h"
#include "infodriver.h"

#include <QLabel>

class InfoLinksTest : public QObject
{
    Q_OBJECT
    const QStringList m_links{u"lblsite(0)"_qs, u"lblsite(1)"_qs, u"lblmail"_qs};

private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void cleanup() { closeAll(); }

    void hoverMakesOneLinkBold_data()
    {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("bold"); // lblsite(0), lblsite(1), lblmail

        QTest::newRow("onto site 0") << QStringList{"lblsite(0)"} << "100";
        QTest::newRow("site 0 straight onto site 1") << QStringList{"lblsite(0)", "lblsite(1)"} << "010";
        QTest::newRow("site 1 onto mail") << QStringList{"lblsite(1)", "lblmail"} << "001";
        QTest::newRow("mail back onto site 0") << QStringList{"lblmail", "lblsite(0)"} << "100";
        QTest::newRow("link onto the frame's surface") << QStringList{"lblmail", "Frame1"} << "000";
        QTest::newRow("link onto the Site: caption") << QStringList{"lblsite(1)", "Label2"} << "010";
        QTest::newRow("a click keeps the highlight") << QStringList{"lblsite(0)", "click lblmail"} << "100";
    }
    void hoverMakesOneLinkBold()
    {
        QFETCH(QStringList, moves);
        QFETCH(QString, bold);
        frminfo *info = openInfo();
        QList<int> normalWidths;
        for (const QString &link : m_links)
            normalWidths << control(info, link)->width();

        for (const QString &move : moves) {
            QWidget *target = control(info, move.section(u' ', -1));
            if (move.startsWith(u"click "))
                QTest::mouseClick(target, Qt::LeftButton);
            else // the frame at its bare lower right corner
                QTest::mouseMove(target, move == u"Frame1" ? target->rect().bottomRight() - QPoint(8, 8)
                                                           : target->rect().center());
        }
        for (qsizetype i = 0; i < m_links.size(); ++i) {
            auto *link = control<QLabel>(info, m_links[i]);
            QCOMPARE(link->font().bold(), bold[i] == u'1');
            QCOMPARE(link->width() > normalWidths[i], bold[i] == u'1'); // the label fits its text
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        }
    }
};

QTEST_MAIN(InfoLinksTest)
#include "tst_infolinks.moc"
