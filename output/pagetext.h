#pragma once

#include <QByteArray>
#include <QStringView>

// The user's text as it goes into the saved page. The page carries no
// character-set declaration, so it is kept pure ASCII and every browser
// reads it alike: "&" and "<" are escaped (the text shows as typed and adds
// no markup), and every character of code 128 and up becomes one decimal
// reference of its code point ("ë" as "&#235;", an emoji as "&#128512;").
namespace PageText {

QByteArray encode(QStringView text);

} // namespace PageText
