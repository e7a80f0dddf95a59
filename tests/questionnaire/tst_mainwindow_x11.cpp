#include "x11probe.h"

#include <QProcess>
#include <QTest>

// The real program on a real X server.
class TestMainWindowX11 : public QObject
{
    Q_OBJECT
private slots:
    void mapsKwindelWindowAndEndsWhenItCloses();
};

void TestMainWindowX11::mapsKwindelWindowAndEndsWhenItCloses()
{
    X11Probe probe;
    QVERIFY2(probe.isConnected(), "no X server");

    QProcess kwindel;
    kwindel.setProcessChannelMode(QProcess::ForwardedChannels);
    kwindel.start(QStringLiteral(KWINDEL_EXECUTABLE), {});
    QVERIFY(kwindel.waitForStarted());

    const auto window = probe.waitForWindow(QStringLiteral("Kwindel"));
    QVERIFY2(window, "no mapped window titled Kwindel");
    QCOMPARE(probe.geometry(*window).size(), QSize(224, 151));

    probe.requestClose(*window);
    QVERIFY(kwindel.waitForFinished(10000));
    QCOMPARE(kwindel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(kwindel.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestMainWindowX11)
#include "tst_mainwindow_x11.moc"
