// Any name and result text give a saved page that is pure ASCII and from
// which a browser reads both back as typed (half a surrogate pair as U+FFFD).

#include "resultpage.h"

#include <algorithm>
#include <cstring>

namespace {

// A browser's reading: "&amp;", "&lt;" and "&#N;" references, the rest as is.
QString decoded(QByteArrayView ascii)
{
    QString text;
    for (qsizetype i = 0; i < ascii.size(); ++i) {
        const qsizetype end = ascii[i] == '&' ? ascii.indexOf(';', i) : i;
        const QByteArrayView ref = ascii.sliced(i + 1, std::max<qsizetype>(end - i - 1, 0));
        const char32_t code = ref == "amp" ? U'&' : ref == "lt" ? U'<' : ref.startsWith('#') ? ref.sliced(1).toUInt() : 0;
        if (end != i && !code)
            qFatal("unreadable reference at %lld", static_cast<long long>(i));
        text += end == i ? QChar::fromUcs4(static_cast<unsigned char>(ascii[i])) : QChar::fromUcs4(code);
        i = end;
    }
    return text;
}

QString asRead(QString typed)
{
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i].isHighSurrogate() && i + 1 < typed.size() && typed[i + 1].isLowSurrogate())
            ++i;
        else if (typed[i].isSurrogate())
            typed[i] = QChar::ReplacementCharacter;
    }
    return typed;
}

} // namespace

// The input is UTF-16 code units; the first gives the name's length.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    const qsizetype nameLength = units.isEmpty() ? 0 : units[0].unicode() % units.size();
    const QString name = units.mid(1, nameLength), result = units.mid(1 + nameLength);

    const QByteArray page = ResultPage::bytes(name, result);
    // The same page around two markers: what goes before, between and after.
    const QList<QByteArray> around = ResultPage::bytes(QStringLiteral("\x01"), QStringLiteral("\x02")).split('\x01');
    const QList<QByteArray> after = around.value(1).split('\x02');
    const bool ascii = std::all_of(page.begin(), page.end(), [](char c) { return static_cast<signed char>(c) >= 0; });
    const bool noMarkup = page.count('<') == around[0].count('<') + around.value(1).count('<'); // only the page's own
    if (!ascii || !noMarkup || around.size() != 2 || after.size() != 2
        || decoded(page) != QString::fromLatin1(around[0]) + asRead(name) + QString::fromLatin1(after[0]) + asRead(result) + QString::fromLatin1(after[1]))
        qFatal("the page does not read back as typed"); // libFuzzer keeps the input
    return 0;
}
