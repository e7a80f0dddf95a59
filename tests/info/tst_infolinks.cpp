#include "appidentity.h"
#include "infodriver.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

// Takes what the desktop would be asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(QUrl::FullyDecoded); }
};

class InfoLinksTest : public QObject
{
    Q_OBJECT
    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        applyApplicationIdentity();
        for (const char *scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_recorder, "open");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    void init() { m_recorder.opened.clear(); }
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
        const std::array<QLabel *, 3> links{control<QLabel>(info, QStringLiteral("lblsite(0)")),
                                            control<QLabel>(info, QStringLiteral("lblsite(1)")),
                                            control<QLabel>(info, QStringLiteral("lblmail"))};
        std::array<int, 3> normalWidths{};
        for (std::size_t i = 0; i < links.size(); ++i)
            normalWidths[i] = links[i]->width();

        for (const QString &move : moves) {
            if (move.startsWith(QLatin1String("click ")))
                QTest::mouseClick(control(info, move.mid(6)), Qt::LeftButton);
            else if (move == QLatin1String("Frame1")) // its bare lower right corner
                QTest::mouseMove(control(info, move), control(info, move)->rect().bottomRight() - QPoint(8, 8));
            else
                QTest::mouseMove(control(info, move));
        }
        for (std::size_t i = 0; i < links.size(); ++i) {
            const bool expected = bold.at(static_cast<qsizetype>(i)) == u'1';
            QCOMPARE(links[i]->font().bold(), expected);
            // The label fits its text, so a bold link is wider.
            QCOMPARE(links[i]->width() > normalWidths[i], expected);
            QCOMPARE(links[i]->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        }
    }

    void clickOpensTheCaption_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::newRow("maker's site") << "lblsite(0)" << "http://www.vexlo.example/";
        QTest::newRow("author's site") << "lblsite(1)" << "http://www.kwindel-auteur.example/";
        QTest::newRow("mail, subject unencoded") << "lblmail"
                                                 << "mailto:kwindel@vexlo.example?subject=Kwindel    [1.0 Build0]";
    }
    void clickOpensTheCaption()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QTest::mouseClick(control(openInfo(), link), Qt::LeftButton);
        QCOMPARE(m_recorder.opened, QStringList{target});
    }
};

QTEST_MAIN(InfoLinksTest)
#include "tst_infolinks.moc"
