#include "windows1252.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace Windows1252 {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the five unused bytes.
constexpr std::array<char16_t, 32> upperControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte for a code point, or -1 when the code page has none.
int byteFor(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < upperControls.size(); ++i) {
        if (upperControls[i] != 0 && upperControls[i] == codePoint)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QByteArray encodeForHtml(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(codePoint)) {
            codePoint = QChar::ReplacementCharacter; // half a pair is no character
        }
        const int byte = byteFor(codePoint);
        if (byte >= 0) {
            bytes.append(static_cast<char>(byte));
        } else {
            char reference[16] = "&#";
            char *end = std::to_chars(reference + 2, reference + sizeof reference - 1, static_cast<std::uint32_t>(codePoint)).ptr;
            *end++ = ';';
            bytes.append(reference, end - reference);
        }
    }
    return bytes;
}

} // namespace Windows1252
