#include "resultpage.h"
#include "workedexample.h"

#include <QRegularExpression>
#include <QTest>

#include <iconv.h>

namespace {

// The second line of the page, between its fixed pieces.
QByteArray nameLine(const QString &name)
{
    return ResultPage::bytes(name, {}).split('\n').at(1);
}

// What a browser makes of the bytes: Windows-1252 through glibc, then the
// character references and the two escapes resolved.
QString readBack(QByteArray bytes)
{
    iconv_t converter = iconv_open("UTF-8", "WINDOWS-1252");
    QByteArray utf8(bytes.size() * 3, '\0');
    char *in = bytes.data();
    char *out = utf8.data();
    size_t inLeft = size_t(bytes.size());
    size_t outLeft = size_t(utf8.size());
    iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    QString text = QString::fromUtf8(utf8.constData(), out - utf8.constData());
    static const QRegularExpression reference(QStringLiteral("&#(\\d+);"));
    for (auto m = reference.match(text); m.hasMatch(); m = reference.match(text)) {
        const char32_t codePoint = m.captured(1).toUInt();
        text.replace(m.capturedStart(), m.capturedLength(), QString::fromUcs4(&codePoint, 1));
    }
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

class ResultPageBytesTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExampleIsWrittenByteForByte()
    {
        const QString result = workedExample().join(QStringLiteral("\r\n"));
        QCOMPARE(ResultPage::bytes(QStringLiteral("Sanne"), result),
                 "<center><u><h1>Kwindel</h1></u><br>\r\n"
                 "<font color=red size=10>Sanne</font><font color=green size=5><Pre>\r\n"
                 + result.toLatin1() + "\r\n" // the example is plain ASCII
                 "</pre><p><a href=\"http://www.vexlo.example/\">www.vexlo.example</a>\r\n");
    }

    void emptyNameLeavesNothingBetweenTheTags()
    {
        QCOMPARE(nameLine({}), "<font color=red size=10></font><font color=green size=5><Pre>\r");
    }

    void userMarkupIsEscaped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("element") << QStringLiteral("<b>Jan</b>") << QByteArray("&lt;b>Jan&lt;/b>");
        QTest::newRow("ampersand") << QStringLiteral("Jan & Piet") << QByteArray("Jan &amp; Piet");
        QTest::newRow("entity typed") << QStringLiteral("&amp;") << QByteArray("&amp;amp;");
        QTest::newRow("quote kept") << QStringLiteral("\"Jan\"") << QByteArray("\"Jan\"");
        QTest::newRow("arrow kept") << QStringLiteral("Eten->feest") << QByteArray("Eten->feest");
    }
    void userMarkupIsEscaped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        const QList<QByteArray> lines = ResultPage::bytes(typed, typed + QStringLiteral("\r\n") + typed).split('\n');
        QCOMPARE(lines.at(1), "<font color=red size=10>" + written + "</font><font color=green size=5><Pre>\r");
        QCOMPARE(lines.at(2), written + '\r');
        QCOMPARE(lines.at(3), written + '\r');
    }

    void textInEveryScriptReadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Polish") << QStringLiteral("Łucja Wałęsa");
        QTest::newRow("Greek") << QStringLiteral("Ελένη");
        QTest::newRow("Chinese") << QStringLiteral("王小明");
        QTest::newRow("emoji") << QStringLiteral("Zoë 😀 & <co>");
        QTest::newRow("code page's own") << QStringLiteral("Ÿvonne “€” Œuvre");
    }
    void textInEveryScriptReadsBack()
    {
        QFETCH(QString, name);
        const QByteArray line = nameLine(name);
        QVERIFY(!line.contains('?'));
        QCOMPARE(readBack(line), QStringLiteral("<font color=red size=10>%1</font><font color=green size=5><Pre>\r").arg(name));
    }

    void pathDoublesSeparatorAtRoot_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << QStringLiteral("/opt/kwindel") << QChar(u'/') << QStringLiteral("/opt/kwindel/Kwindel.htm");
        QTest::newRow("root") << QStringLiteral("/") << QChar(u'/') << QStringLiteral("//Kwindel.htm");
        QTest::newRow("drive root") << QStringLiteral("C:\\") << QChar(u'\\') << QStringLiteral("C:\\\\Kwindel.htm");
        QTest::newRow("drive folder") << QStringLiteral("D:\\Spel") << QChar(u'\\') << QStringLiteral("D:\\Spel\\Kwindel.htm");
    }
    void pathDoublesSeparatorAtRoot()
    {
        QFETCH(QString, folder);
        QFETCH(QChar, separator);
        QFETCH(QString, path);
        QCOMPARE(ResultPage::pathInFolder(folder, separator), path);
    }
};

QTEST_GUILESS_MAIN(ResultPageBytesTest)
#include "tst_resultpagebytes.moc"
