#include "pagetext.h"

#include <charconv>
#include <iterator>
#include <cstdint>

namespace PageText {

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (codePoint == u'&') {
            bytes.append("&amp;");
        } else if (codePoint == u'<') {
            bytes.append("&lt;");
        } else if (codePoint < 0x80) {
            bytes.append(static_cast<char>(codePoint));
        } else {
            if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
                ++i;
            } else if (QChar::isSurrogate(codePoint)) {
                codePoint = QChar::ReplacementCharacter; // half a pair is no character
            }
            char digits[8]; // U+10FFFF has seven
            const char *end = std::to_chars(std::begin(digits), std::end(digits), std::uint32_t{codePoint}).ptr;
            bytes.append("&#").append(digits, end - digits).append(';');
        }
    }
    return bytes;
}

} // namespace PageText
