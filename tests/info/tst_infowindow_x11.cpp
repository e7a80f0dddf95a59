#include "x11probe.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// The real program on a real X server: "About..." opens the info window,
// translucent, whose links reach the desktop's xdg-open; the program
// ends only when both windows are closed.
class InfoWindowX11Test : public QObject
{
    Q_OBJECT
    QTemporaryDir m_tools;

    QString openedLog() const { return m_tools.filePath(QStringLiteral("opened.log")); }
    QByteArray readLog() const
    {
        QFile log(openedLog());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tools.isValid());
        QFile standIn(m_tools.filePath(QStringLiteral("xdg-open")));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + openedLog().toUtf8() + "'\n");
        standIn.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    void aboutOpensTranslucentInfoAndBothWindowsMustClose_data()
    {
        QTest::addColumn<bool>("mainFirst");
        QTest::newRow("main window closed first") << true;
        QTest::newRow("info window closed first") << false;
    }
    void aboutOpensTranslucentInfoAndBothWindowsMustClose()
    {
        QFETCH(bool, mainFirst);
        X11Probe probe;
        QVERIFY2(probe.isConnected(), "no X server");
        QFile::remove(openedLog());

        QProcess kwindel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), m_tools.path() + u':' + environment.value(QStringLiteral("PATH")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        kwindel.setProcessEnvironment(environment);
        kwindel.setProcessChannelMode(QProcess::ForwardedChannels);
        kwindel.start(QStringLiteral(KWINDEL_EXECUTABLE), {});
        QVERIFY(kwindel.waitForStarted());

        const auto main = probe.waitForWindow(QStringLiteral("Kwindel"));
        QVERIFY2(main, "no main window");
        // cmdInfo "About..." at (8, 112), 57 x 25 pixels.
        probe.click(probe.geometry(*main).topLeft() + QPoint(8 + 28, 112 + 12));

        const auto info = probe.waitForWindow(QStringLiteral("Info   [2.0]"));
        QVERIFY2(info, "no info window with its run-time caption");
        QCOMPARE(probe.geometry(*info).size(), QSize(360, 387));
        QTRY_COMPARE(probe.cardinalProperty(*info, "_NET_WM_WINDOW_OPACITY"),
                     std::optional<quint32>(quint32(qRound64(200 / 255.0 * 0xffffffff))));

        // Frame1 at (8, 192); in it lblsite(1) at (40, 32) and lblmail at (40, 56).
        const QStringList targets{u"http://www.kwindel-auteur.example/"_qs,
                                  u"mailto:kwindel@vexlo.example?subject=Kwindel    [1.0 Build0]"_qs};
        for (int top : {32, 56}) {
            probe.click(probe.geometry(*info).topLeft() + QPoint(8 + 40 + 10, 192 + top + 6));
            QTest::qWait(100);
        }
        QTRY_COMPARE(QUrl::fromPercentEncoding(readLog().trimmed()).split(u'\n'), targets);

        probe.requestClose(mainFirst ? *main : *info);
        QTRY_VERIFY(!probe.isMapped(mainFirst ? *main : *info));
        QTest::qWait(300);
        QCOMPARE(kwindel.state(), QProcess::Running);

        probe.requestClose(mainFirst ? *info : *main);
        QVERIFY(kwindel.waitForFinished(10000));
        QCOMPARE(kwindel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kwindel.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(InfoWindowX11Test)
#include "tst_infowindow_x11.moc"
