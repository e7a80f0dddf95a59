#include "messages.h"
#include "output.h"
#include "resultpage.h"
#include "toolrun.h"
#include "workedexample.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Runs under a real X server: Qt's desktop services hand files to xdg-open
// there, and a stand-in first on PATH records what it was given.
class ResultPageSaveTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tools;
    QStringList m_messages;
    std::vector<std::function<void()>> m_undo;

    QStringList opened() const
    {
        return QString::fromUtf8(contents(m_tools.filePath(QStringLiteral("opened.log")))).split(u'\n', Qt::SkipEmptyParts);
    }

    // Root writes through permissions, so as root the file or folder is made
    // immutable, or failing that mounted read-only over itself.
    bool makeReadOnly(const QString &path)
    {
        if (geteuid() != 0) {
            const auto before = QFile::permissions(path);
            m_undo.push_back([=] { QFile::setPermissions(path, before); });
            return QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        }
        if (runTool(QStringLiteral("chattr"), {QStringLiteral("+i"), path}).ran) {
            m_undo.push_back([=] { runTool(QStringLiteral("chattr"), {QStringLiteral("-i"), path}); });
            return true;
        }
        if (runTool(QStringLiteral("mount"), {QStringLiteral("--bind"), QStringLiteral("-o"), QStringLiteral("ro"), path, path}).ran) {
            m_undo.push_back([=] { runTool(QStringLiteral("umount"), {path}); });
            return true;
        }
        return false;
    }

    void undo()
    {
        for (auto undo = m_undo.rbegin(); undo != m_undo.rend(); ++undo)
            (*undo)();
        m_undo.clear();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tools.isValid());
        put(m_tools.filePath(QStringLiteral("xdg-open")),
            "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + m_tools.filePath(QStringLiteral("opened.log")).toUtf8() + "'\n");
        QFile::setPermissions(m_tools.filePath(QStringLiteral("xdg-open")), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", m_tools.path().toUtf8() + ':' + qgetenv("PATH"));
        Messages::setRecorder([this](QWidget *, const QString &text) { m_messages << text; });
    }

    void init() { m_messages.clear(); }

    void savedPageShowsResultInBrowser()
    {
        const QString name = QStringLiteral("<b>Jan</b> & Zoë 😀");
        QStringList lines = workedExample();
        lines[1].clear();
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Kwindel.htm");
        const auto removeAfter = qScopeGuard([=] { QFile::remove(path); });

        Output::saveResultPage(nullptr, name, lines.join(QStringLiteral("\r\n")));
        QTRY_COMPARE(opened().size(), 1);
        QCOMPARE(QUrl(opened().constFirst()).toLocalFile(), path);
        QVERIFY(m_messages.isEmpty());

        if (!hasTool(QStringLiteral("chromium")))
            QSKIP("chromium is not installed (scripts/deps.sh installs it)");
        QTemporaryDir profile;
        const ToolRun browser = runTool(QStringLiteral("chromium"),
            {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
             QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
             QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
             QStringLiteral("--user-data-dir=") + profile.path(), QStringLiteral("--dump-dom"), opened().constFirst()},
            120000);
        QVERIFY2(browser.ran, "chromium --dump-dom failed");
        const QString dom = QString::fromUtf8(browser.out);
        QVERIFY2(dom.contains(QStringLiteral(">&lt;b&gt;Jan&lt;/b&gt; &amp; Zoë 😀<")), qPrintable(dom));
        QVERIFY(!dom.contains(QStringLiteral("<b>")));
        const auto pre = QRegularExpression(QStringLiteral("<pre>(.*)</pre>"), QRegularExpression::DotMatchesEverythingOption).match(dom);
        QCOMPARE(pre.captured(1), lines.join(u'\n') + u'\n'); // the page's line 3 ends in a line break too
        QVERIFY(dom.contains(QStringLiteral("<a href=\"http://www.vexlo.example/\">www.vexlo.example</a>")));
    }

    void secondSaveReplacesFirst()
    {
        QTemporaryDir folder;
        QVERIFY(ResultPage::save(nullptr, folder.path(), QStringLiteral("Eerste naam, veel langer"), QString(500, u'x')));
        QVERIFY(ResultPage::save(nullptr, folder.path(), QStringLiteral("Tweede"), QStringLiteral("kort")));
        QCOMPARE(contents(folder.filePath(QStringLiteral("Kwindel.htm"))), ResultPage::bytes(QStringLiteral("Tweede"), QStringLiteral("kort")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Kwindel.htm")});
    }

    void failedSaveKeepsOldFileAndTells_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << QStringLiteral("folder") << QStringLiteral("In deze map");
        QTest::newRow("read-only file") << QStringLiteral("file") << QStringLiteral("alleen-lezen");
        QTest::newRow("full disk, half-way") << QStringLiteral("disk") << QStringLiteral("De schijf is vol");
    }
    void failedSaveKeepsOldFileAndTells()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        QTemporaryDir temporary;
        const auto undoFirst = qScopeGuard([this] { undo(); });
        QString folder = temporary.path();
        QString result = QStringLiteral("nieuw");
        if (failure == u"disk") {
            folder = temporary.filePath(QStringLiteral("klein"));
            QDir().mkpath(folder);
            if (!runTool(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                   QStringLiteral("size=32k"), QStringLiteral("tmpfs"), folder}).ran)
                QSKIP("cannot mount a small tmpfs here (needs root and mount rights)");
            m_undo.push_back([=] { runTool(QStringLiteral("umount"), {folder}); });
            result = QString(200000, u'x');
        }
        const QString path = ResultPage::pathInFolder(folder);
        const QByteArray old = ResultPage::bytes(QStringLiteral("Oud"), QStringLiteral("oude regel"));
        put(path, old);
        if (failure != u"disk" && !makeReadOnly(failure == u"file" ? path : folder))
            QSKIP("cannot make a read-only file or folder here");

        QVERIFY(!ResultPage::save(nullptr, folder, QStringLiteral("Nieuw"), result));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.constFirst().contains(path) && m_messages.constFirst().contains(reason), qPrintable(m_messages.constFirst()));
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Kwindel.htm")});
        QTest::qWait(300); // an opener, had one been started, would have logged by now
        QVERIFY(!opened().join(u'\n').contains(folder));
    }
};

QTEST_MAIN(ResultPageSaveTest)
#include "tst_resultpagesave.moc"
