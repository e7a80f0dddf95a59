#pragma once

// The info window as designed, in twips, and its fixed texts. Positions
// inside a frame are relative to the frame; the rest to the client area.

#include "appinfo.h"
#include "twips.h"

#include <QColor>

#include <array>
#include <string_view>

namespace frminfoLayout {

using std::string_view;
using Twips::Box;

inline constexpr int clientWidth = 5400;
inline constexpr int clientHeight = 5805;

inline constexpr string_view designCaption = "Info";
inline constexpr string_view runCaption = "Info   [2.0]";

inline constexpr QColor darkRed{192, 0, 0};
inline constexpr double productPointSize = 20.25;
inline constexpr double contactPointSize = 9.75;

inline constexpr string_view iconResource = ":/info"; // the stem of its PNGs
inline constexpr string_view backgroundResource = ":/info-background.jpg";

struct Placed {
    string_view name;
    string_view caption;
    Box box;
};

// On the client area.
inline constexpr Placed lblproduct{"lblproduct", "Label1", {2040, 720, 1215, 570}};
inline constexpr Placed Label1{"Label1", "Label1", {120, 1200, 5055, 975}};
inline constexpr Placed lblComments{"lblComments", "Label7", {120, 2280, 4800, 435}};
inline constexpr Placed Frame1{"Frame1", "Contact", {120, 2880, 5055, 1215}};
inline constexpr Placed Frame2{"Frame2", "Program Info", {120, 4320, 2775, 1335}};
inline constexpr Placed cmdsystem{"cmdsystem", "System", {3000, 4320, 975, 375}};
inline constexpr Placed cmdcdpc{"cmdcdpc", "Vexlo Info", {4080, 4680, 1095, 495}};
inline constexpr Placed cmdback{"cmdback", "&Back", {3000, 5160, 975, 375}};

// Line1(0) and Line1(1): from (x1, y) to (x2, y), two pixels wide.
struct Line {
    int x1;
    int y1;
    int x2;
    int y2;
};
inline constexpr auto Line1 = std::to_array<Line>({{0, 2760, 5160, 2760}, {0, 4200, 5160, 4200}});
inline constexpr int lineWidthPixels = 2;

// In Frame1 "Contact". The link captions are the very targets they open.
inline constexpr Placed Label2{"Label2", "Site:", {120, 240, 390, 240}};
inline constexpr auto lblsite = std::to_array<Placed>({
    {"lblsite(0)", AppInfo::makerUrl, {600, 240, 1980, 240}},
    {"lblsite(1)", AppInfo::authorUrl, {600, 480, 3435, 240}},
});
inline constexpr Placed Label3{"Label3", "Mail:", {120, 840, 420, 240}};
inline constexpr Placed lblmail{"lblmail", AppInfo::mailAddress, {600, 840, 2520, 240}};

// In Frame2 "Program Info".
inline constexpr Placed lblversion{"lblversion", "Version: ", {120, 240, 615, 195}};
inline constexpr Placed lbluse{"lbluse", "Total used: ", {120, 480, 840, 195}};
inline constexpr Placed Label5{"Label5", "Status:", {120, 720, 495, 195}};
inline constexpr Placed lblware{"lblware", "", {720, 720, 1095, 255}};
inline constexpr Placed Label4{"Label4", "2000 - 2001", {120, 960, 855, 195}};

inline constexpr int tmrtitlescrlInterval = 36; // milliseconds
inline constexpr float titleStep = 58;           // twips a tick

// Texts written at run time.
inline constexpr string_view statusWord = "Freeware";
inline constexpr string_view versionPrefix = "Versie: ";
inline constexpr string_view usePrefix = "Gebruikt: ";
inline constexpr string_view useSuffix = " keer.";
inline constexpr auto notes = std::to_array<string_view>({
    "Dank U voor het gebruik van dit programma.",
    "Als er een update is of je wilt iets zeggen van het programma, AUB mail mij of zie eens op de Vexlo site.",
    "De Vexlo crew kan niet verantwoordelijk gesteld worden voor PC crashes en dergelijke te wijten van slecht "
    "werkende programmas!!!",
});
inline constexpr string_view lineBreak = "\r\n";
inline constexpr string_view creditPrefix = "\u00a9 Vexlo 2000 - ";
inline constexpr int earliestCreditYear = 2003;
inline constexpr qint16 activeOpacity = 200;

} // namespace frminfoLayout
