#include "appidentity.h"
#include "modinfo.h"
#include "pendingerror.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

#include <optional>

using namespace WindowStyle;

// Writes down every style call and plays the window's style; the call named
// in `failing` fails the way a missing entry point does.
class RecordingApi final : public Api
{
public:
    QStringList calls;
    qint32 style = 0;
    QString failing = QStringLiteral("none");

    qint32 GetWindowLong(Handle, qint32 index) override { return record(u"Get %1"_qs.arg(index)), style; }
    qint32 SetWindowLong(Handle, qint32 index, qint32 newStyle) override
    {
        record(u"Set %1 %2"_qs.arg(index).arg(newStyle, 0, 16));
        return std::exchange(style, newStyle);
    }
    bool SetLayeredWindowAttributes(Handle, quint32 key, quint8 alpha, quint32 flags) override
    {
        return record(u"Layered %1 %2 %3"_qs.arg(key).arg(alpha).arg(flags)), true;
    }

private:
    void record(const QString &call)
    {
        calls << call;
        if (call.startsWith(failing))
            throw PlatformError("entry point not found");
    }
};

class ModinfoTest : public QObject
{
    Q_OBJECT
    std::optional<RecordingApi> m_api;

    RecordingApi &installRecorder(qint32 style, const QString &failing)
    {
        m_api.emplace();
        m_api->style = style;
        m_api->failing = failing;
        install(&*m_api);
        return *m_api;
    }

private slots:
    void initTestCase() { applyApplicationIdentity(); }
    void init() { PendingError::program().clear(); }
    void cleanup() { install(nullptr); }

    void setWindowTranslucency_data()
    {
        QTest::addColumn<qint32>("style");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<int>("result"); // -1: the error reaches the caller
        QTest::addColumn<qint32>("styleAfter");

        const QString layer = u"Get -20, Set -20 %1, Layered 0 %2 2"_qs;
        const QString clear = u"Get -20, Set -20 %1, Layered 0 0 2"_qs;
        QTest::newRow("254") << 0x10 << 254 << false << "none" << layer.arg("80010", "254") << 0 << 0x80010;
        QTest::newRow("0") << 0 << 0 << false << "none" << layer.arg("80000", "0") << 0 << 0x80000;
        QTest::newRow("layered again") << 0x80010 << 9 << false << "none" << layer.arg("80010", "9") << 0 << 0x80010;
        QTest::newRow("255") << 0x80010 << 255 << false << "none" << clear.arg("10") << 0 << 0x10;
        QTest::newRow("255, never layered") << 0x10 << 255 << false << "none" << clear.arg("10") << 0 << 0x10;
        QTest::newRow("256") << 0x10 << 256 << false << "none" << "" << 1 << 0x10;
        QTest::newRow("-1") << 0x80010 << -1 << false << "none" << "" << 1 << 0x80010;
        QTest::newRow("pending, done") << 0 << 200 << true << "none" << layer.arg("80000", "200") << 2 << 0x80000;
        QTest::newRow("pending, refused") << 0 << 300 << true << "none" << "" << 2 << 0;
        QTest::newRow("pending, 255") << 0x80000 << 255 << true << "none" << clear.arg("0") << 0 << 0;
        QTest::newRow("255, Get fails") << 0x80000 << 255 << false << "Get" << clear.arg("0") << 0 << 0;
        QTest::newRow("Set fails") << 0 << 200 << false << "Set" << "Get -20, Set -20 80000" << -1 << 0;
    }
    void setWindowTranslucency()
    {
        QFETCH(qint32, style);
        QFETCH(int, opacity);
        QFETCH(bool, pending);
        QFETCH(QString, failing);
        QFETCH(int, result);
        const RecordingApi &api = installRecorder(style, failing);
        if (pending)
            PendingError::program().raise(u"earlier step"_qs);

        if (result < 0)
            QVERIFY_THROWS_EXCEPTION(PlatformError, modinfo::SetWindowTranslucency(1, qint16(opacity)));
        else
            QCOMPARE(modinfo::SetWindowTranslucency(1, qint16(opacity)), result);
        QTEST(api.calls.join(u", "), "calls");
        QTEST(api.style, "styleAfter");
    }

    void clearTriesEveryStepAndReportsAFailure()
    {
        for (const QString &failing : {u"none"_qs, u"Get"_qs, u"Set"_qs, u"Layered"_qs}) {
            const RecordingApi &api = installRecorder(0x80000, failing);
            PendingError::program().raise(u"cleared first"_qs);
            QCOMPARE(modinfo::ClearWindowTranslucency(1), failing == u"none" ? 0 : 2);
            QCOMPARE(api.calls.size(), 3);
        }
    }

    void versionTexts()
    {
        QCOMPARE(modinfo::VersionText(), u"[1.0 Build0]"_qs);
        QCOMPARE(modinfo::VersionText(2, 15, 7), u"[2.15 Build7]"_qs);
        QCOMPARE(modinfo::TitleWithVersion(), u"Kwindel    [1.0 Build0]"_qs);
    }

    void realWindowTakesTheOpacity()
    {
        QWidget window;
        window.show();
        QCOMPARE(modinfo::SetWindowTranslucency(window.winId(), 200), 0);
        QCOMPARE(window.windowHandle()->opacity(), 200 / 255.0);
        QCOMPARE(modinfo::SetWindowTranslucency(window.winId(), 255), 0);
        QCOMPARE(window.windowHandle()->opacity(), 1.0);
    }
};

QTEST_MAIN(ModinfoTest)
#include "tst_modinfo.moc"
