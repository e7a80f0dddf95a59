#include "windows1252.h"

#include <QTest>

#include <iconv.h>

// glibc's converter is the reference the encoder's table is checked against.
static QByteArray systemEncoding(char32_t codePoint)
{
    iconv_t converter = iconv_open("WINDOWS-1252", "UTF-32LE");
    char in[4] = {char(codePoint & 0xFF), char((codePoint >> 8) & 0xFF), char((codePoint >> 16) & 0xFF), 0};
    char out[8] = {};
    char *inPtr = in;
    char *outPtr = out;
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    const bool converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1);
    iconv_close(converter);
    return converted ? QByteArray(out, outPtr - out) : QByteArray();
}

class Windows1252Test : public QObject
{
    Q_OBJECT
private slots:
    void everyCharacterMatchesSystemConverterOrBecomesReference()
    {
        for (char32_t codePoint = 0; codePoint <= 0xFFFF; ++codePoint) {
            if (QChar::isSurrogate(codePoint))
                continue;
            const QByteArray expected = systemEncoding(codePoint);
            const QByteArray actual = Windows1252::encodeForHtml(QString(QChar(char16_t(codePoint))));
            if (expected.isEmpty())
                QCOMPARE(actual, "&#" + QByteArray::number(uint(codePoint)) + ';');
            else
                QCOMPARE(actual, expected);
        }
    }

    void referencesAreOnePerCharacter()
    {
        QCOMPARE(Windows1252::encodeForHtml(u"a😀b"), "a&#128512;b"); // not two surrogate halves
        QCOMPARE(Windows1252::encodeForHtml(QString(QChar(0xD83D)) + u'x'), "&#65533;x");
    }
};

QTEST_GUILESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"
