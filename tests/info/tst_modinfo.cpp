#include "appidentity.h"
#include "modinfo.h"
#include "pendingerror.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace WindowStyle;

// Writes down every style call and plays the window's style; one named call
// can be made to fail the way a missing entry point does.
class RecordingApi final : public Api
{
public:
    QStringList calls;
    qint32 style = 0;
    QString failing;

    qint32 GetWindowLong(Handle, qint32 index) override
    {
        record(QStringLiteral("Get %1").arg(index));
        return style;
    }
    qint32 SetWindowLong(Handle, qint32 index, qint32 newStyle) override
    {
        record(QStringLiteral("Set %1 %2").arg(index).arg(newStyle, 0, 16));
        return std::exchange(style, newStyle);
    }
    bool SetLayeredWindowAttributes(Handle, quint32 key, quint8 alpha, quint32 flags) override
    {
        record(QStringLiteral("Layered %1 %2 %3").arg(key).arg(alpha).arg(flags));
        return true;
    }

private:
    void record(const QString &call)
    {
        calls << call;
        if (call.startsWith(failing + u' '))
            throw PlatformError("entry point not found");
    }
};

class ModinfoTest : public QObject
{
    Q_OBJECT
    RecordingApi m_api;

private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void init()
    {
        m_api.calls.clear();
        m_api.style = 0;
        m_api.failing.clear();
        install(&m_api);
        PendingError::program().clear();
    }
    void cleanup() { install(nullptr); }

    void setWindowTranslucency_data()
    {
        QTest::addColumn<qint32>("style");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("result");
        QTest::addColumn<qint32>("styleAfter");

        const QStringList none;
        QTest::newRow("254 layers") << 0x10 << 254 << false
                                    << QStringList{"Get -20", "Set -20 80010", "Layered 0 254 2"} << 0 << 0x80010;
        QTest::newRow("0 is layered and invisible")
            << 0 << 0 << false << QStringList{"Get -20", "Set -20 80000", "Layered 0 0 2"} << 0 << 0x80000;
        QTest::newRow("layered again keeps the bit, new alpha")
            << 0x80010 << 100 << false << QStringList{"Get -20", "Set -20 80010", "Layered 0 100 2"} << 0 << 0x80010;
        QTest::newRow("255 clears only the layered bit")
            << 0x80010 << 255 << false << QStringList{"Get -20", "Set -20 10", "Layered 0 0 2"} << 0 << 0x10;
        QTest::newRow("255 on a plain window writes it back unchanged")
            << 0x10 << 255 << false << QStringList{"Get -20", "Set -20 10", "Layered 0 0 2"} << 0 << 0x10;
        QTest::newRow("256 refused") << 0x10 << 256 << false << none << 1 << 0x10;
        QTest::newRow("-1 refused") << 0x80010 << -1 << false << none << 1 << 0x80010;
        QTest::newRow("pending error turns done into 2")
            << 0 << 200 << true << QStringList{"Get -20", "Set -20 80000", "Layered 0 200 2"} << 2 << 0x80000;
        QTest::newRow("pending error turns refused into 2") << 0 << 300 << true << none << 2 << 0;
        QTest::newRow("255 does not look at a pending error")
            << 0x80000 << 255 << true << QStringList{"Get -20", "Set -20 0", "Layered 0 0 2"} << 0 << 0;
    }
    void setWindowTranslucency()
    {
        QFETCH(qint32, style);
        QFETCH(int, opacity);
        QFETCH(bool, pending);
        m_api.style = style;
        if (pending)
            PendingError::program().raise(QStringLiteral("earlier step"));

        QTEST(modinfo::SetWindowTranslucency(1, static_cast<qint16>(opacity)), "result");
        QTEST(m_api.calls, "calls");
        QTEST(m_api.style, "styleAfter");
    }

    void failingCallInsideSetReachesTheCaller()
    {
        m_api.failing = QStringLiteral("Set");
        QVERIFY_THROWS_EXCEPTION(PlatformError, modinfo::SetWindowTranslucency(1, 200));
        QCOMPARE(m_api.calls, (QStringList{"Get -20", "Set -20 80000"}));
    }

    void clearGoesOnPastAFailingStep_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("result");
        QTest::newRow("none") << QString() << 0;
        QTest::newRow("Get") << QStringLiteral("Get") << 2;
        QTest::newRow("Set") << QStringLiteral("Set") << 2;
        QTest::newRow("Layered") << QStringLiteral("Layered") << 2;
    }
    void clearGoesOnPastAFailingStep()
    {
        QFETCH(QString, failing);
        QFETCH(int, result);
        m_api.failing = failing;
        m_api.style = 0x80010;
        PendingError::program().raise(QStringLiteral("cleared first"));

        QCOMPARE(modinfo::ClearWindowTranslucency(1), result);
        QCOMPARE(m_api.calls.size(), 3);
        QCOMPARE(PendingError::program().isPending(), result == 2);
        // The opacity-255 path ignores that result.
        QCOMPARE(modinfo::SetWindowTranslucency(1, 255), 0);
    }

    void versionTexts()
    {
        QCOMPARE(modinfo::VersionText(), QStringLiteral("[1.0 Build0]"));
        QCOMPARE(modinfo::VersionText(2, 15, 7), QStringLiteral("[2.15 Build7]"));
        QCOMPARE(modinfo::TitleWithVersion(), QStringLiteral("Kwindel    [1.0 Build0]"));
    }

    void realWindowTakesTheOpacity()
    {
        install(nullptr);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WId handle = window.winId();

        QCOMPARE(modinfo::SetWindowTranslucency(handle, 200), 0);
        QCOMPARE(window.windowHandle()->opacity(), 200 / 255.0);
        QCOMPARE(modinfo::SetWindowTranslucency(handle, 256), 1);
        QCOMPARE(window.windowHandle()->opacity(), 200 / 255.0);
        QCOMPARE(modinfo::SetWindowTranslucency(handle, 255), 0);
        QCOMPARE(window.windowHandle()->opacity(), 1.0);
        // Alpha alone does nothing on a window that is not layered.
        QtApi().SetLayeredWindowAttributes(handle, 0, 10, LWA_ALPHA);
        QCOMPARE(window.windowHandle()->opacity(), 1.0);
    }
};

QTEST_MAIN(ModinfoTest)
#include "tst_modinfo.moc"
