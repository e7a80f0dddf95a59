// Any name and result text give a saved page that is pure ASCII and from
// which a browser reads both texts back as typed (half a surrogate pair
// reads as U+FFFD). libFuzzer drives it; tst_fuzzcorpus replays the corpus.

#include "resultformat.h"
#include "resultpage.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstring>

namespace {

// A browser's reading of the text: "&amp;", "&lt;" and "&#N;" references.
QString decoded(QByteArrayView ascii)
{
    QString text;
    for (qsizetype i = 0; i < ascii.size(); ++i) {
        if (ascii[i] != '&') {
            text += QLatin1Char(ascii[i]);
            continue;
        }
        const qsizetype end = ascii.indexOf(';', i);
        const QByteArrayView name = ascii.sliced(i + 1, end < 0 ? 0 : end - i - 1);
        if (name == "amp")
            text += u'&';
        else if (name == "lt")
            text += u'<';
        else if (const char32_t code = name.startsWith('#') ? name.sliced(1).toUInt() : 0)
            text += QString::fromUcs4(&code, 1);
        else
            qFatal("unreadable reference at %lld", static_cast<long long>(i));
        i = end;
    }
    return text;
}

QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

void expect(bool holds, const char *what, const QString &input)
{
    if (!holds)
        qFatal("%s, for %s", what, qPrintable(QString::fromLatin1(input.toUtf8().toHex(' '))));
}

} // namespace

// The input is UTF-16 code units; the first gives the name's length.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    const qsizetype nameLength = units.isEmpty() ? 0 : units[0].unicode() % units.size();
    const QString name = units.mid(1, nameLength);
    const QString result = units.mid(1 + nameLength);

    using namespace ResultFormat;
    const QByteArray page = ResultPage::bytes(name, result);
    expect(std::all_of(page.begin(), page.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
           "not ASCII", units);
    const QByteArray head = QByteArray(pageHeading.data()).append(lineEnd.data()).append(nameOpen.data());
    const QByteArray afterName = QByteArray(nameClose.data()).append(lineEnd.data());
    const QByteArray afterResult = QByteArray(lineEnd.data()).append(linkOpen.data());
    const qsizetype nameEnd = page.indexOf(afterName);
    const qsizetype resultEnd = page.indexOf(afterResult, nameEnd);
    expect(page.startsWith(head) && nameEnd > 0 && resultEnd > 0, "page lines out of shape", units);
    expect(decoded(page.sliced(head.size(), nameEnd - head.size())) == withoutLoneSurrogates(name), "name changed", units);
    const qsizetype resultStart = nameEnd + afterName.size();
    expect(decoded(page.sliced(resultStart, resultEnd - resultStart)) == withoutLoneSurrogates(result), "result changed",
           units);
    return 0;
}
