#pragma once

// What the saved page and the printed sheet are made of, in one place.

#include <QtGlobal>

#include <string_view>

namespace ResultFormat {

// The saved page: four lines, each ended by CR LF, in pure ASCII.
inline constexpr std::string_view pageFileName = "Kwindel.htm";
inline constexpr std::string_view lineEnd = "\r\n";
inline constexpr std::string_view pageHeading = "<center><u><h1>Kwindel</h1></u><br>";
inline constexpr std::string_view nameOpen = "<font color=red size=10>";
inline constexpr std::string_view nameClose = "</font><font color=green size=5><Pre>";
inline constexpr std::string_view linkOpen = "</pre><p><a href=\"";
inline constexpr std::string_view linkMiddle = "\">";
inline constexpr std::string_view linkClose = "</a>";

// The printed sheet. Positions are twips from the top-left of the printable
// area; the name and the closing line are indented, the result is not.
inline constexpr std::string_view printFontName = "comic sans ms";
// Where Comic Sans MS is missing, comma-separated; the build chooses them
// (CMakeLists.txt).
inline constexpr std::string_view printFontStandIn = KWINDEL_PRINT_FONT_STAND_IN;
inline constexpr qreal printFontPoints = 10;
inline constexpr int nameX = 1600;
inline constexpr int nameY = 1000;
inline constexpr int closingX = 1600;

} // namespace ResultFormat
