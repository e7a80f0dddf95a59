#pragma once

#include <QByteArray>
#include <QStringView>

// The saved page is 8-bit Windows-1252 text, and Qt's core has no codec for
// it. A character the code page cannot hold becomes an HTML numeric
// character reference of its code point ("&#322;"), so nothing typed is lost.
namespace Windows1252 {

QByteArray encodeForHtml(QStringView text);

} // namespace Windows1252
