#pragma once

// The main window as designed, in twips. Positions of controls on a page
// are relative to the page's frame; the rest to the client area.

#include "twips.h"

#include <array>
#include <string_view>

namespace Form1Layout {

using std::string_view;
using Twips::Box;

// After loading, the window's outer size shows one page and the button row.
inline constexpr int outerWidth = 3450;
inline constexpr int outerHeight = 2640;

// Qt sizes the client area, so the classic fixed frame (3 px a side and a
// 19 px caption) comes off the outer size once, here.
inline constexpr int frameSidePixels = 3;
inline constexpr int captionPixels = 19;
inline constexpr QSize clientSize{Twips::toPixels(outerWidth) - 2 * frameSidePixels,
                                  Twips::toPixels(outerHeight) - captionPixels - 2 * frameSidePixels};

inline constexpr int pageLeft = 120;
inline constexpr int pageTop = 120;

// Each page's place on the large design surface; loading stacks them. A
// frame never takes the focus, so its tab number is left out.
struct Page {
    string_view caption;
    Box design;
};

inline constexpr auto pages = std::to_array<Page>({
    {"1. Haarkleur", {120, 120, 3135, 1455}},
    {"2. Eten of feest", {120, 3240, 3135, 1455}},
    {"3. Favo kleur", {120, 4800, 3135, 1455}},
    {"4. Favo Hobby", {120, 6360, 3135, 1455}},
    {"5. Winkelen", {3360, 120, 3135, 1455}},
    {"6. Favo Stad", {3360, 1680, 3135, 1455}},
    {"7. Strand of koeler", {3360, 3240, 3135, 1455}},
    {"8. Geboren", {3360, 4800, 3135, 1455}},
    {"9. Thuis of uitgaan", {3360, 6360, 3135, 1455}},
    {"10. Persoon ander geslacht", {6600, 120, 3135, 1455}},
    {"11. Naam", {6600, 1680, 3135, 1455}},
    {"12. Output", {6600, 3240, 3135, 1455}},
});

enum class Kind { Label, Option, Combo, Text, Button };

// A control on a page (page >= 0) or in the button row (page -1). Members of
// a control array carry their index; single controls have index -1.
struct Control {
    int page;
    Kind kind;
    string_view name;
    int index;
    string_view caption;
    Box box;
    int tabIndex;
};

inline constexpr int buttonRow = -1;

// Labels never take the focus; their tab numbers play no part.
inline constexpr int noTab = -1;

inline constexpr auto controls = std::to_array<Control>({
    {0, Kind::Label, "Label2", -1, "Heb je donker of licht haar", {600, 240, 1935, 255}, noTab},
    {0, Kind::Option, "optHkleur", 0, "Donker", {240, 720, 735, 375}, 2},
    {0, Kind::Option, "optHkleur", 1, "Licht", {1920, 720, 735, 375}, 3},

    {1, Kind::Label, "Label1", -1, "Als je een date had, waar zou je dan heen gaan; uit eten of naar een feest?",
     {120, 240, 2895, 495}, noTab},
    {1, Kind::Option, "optDFeest", 0, "Eten", {120, 720, 1335, 255}, 6},
    {1, Kind::Option, "optDFeest", 1, "Feest", {120, 1080, 1335, 255}, 7},
    {1, Kind::Option, "optDFeest", 2, "Eten -> feest", {1560, 720, 1335, 255}, 8},
    {1, Kind::Option, "optDFeest", 3, "Feest -> eten", {1560, 1080, 1335, 255}, 9},

    {2, Kind::Label, "Label3", 6, "WAT IS JE FAVORIETE KLEUR ALS JE KAN KIEZEN UIT:", {120, 240, 2880, 435}, noTab},
    {2, Kind::Option, "optKleur", 0, "Rose", {480, 720, 975, 255}, 35},
    {2, Kind::Option, "optKleur", 1, "Geel", {1680, 720, 975, 255}, 36},
    {2, Kind::Option, "optKleur", 2, "Goen", {1680, 1080, 975, 255}, 37},
    {2, Kind::Option, "optKleur", 3, "Baby-blauw", {480, 1080, 975, 255}, 38},

    {3, Kind::Label, "Label3", 7, "NOEM JE FAVORIETE HOBBY ALS JE KON KIeZEN TUSSEN:", {120, 240, 2880, 435}, noTab},
    {3, Kind::Option, "optHobby", 0, "Surfen", {240, 840, 735, 375}, 34},
    {3, Kind::Option, "optHobby", 1, "Skaten", {1080, 840, 735, 375}, 39},
    {3, Kind::Option, "optHobby", 2, "Skiên", {1920, 840, 735, 375}, 40},

    {4, Kind::Label, "Label3", 5,
     "ALS JE EEN WINKEL MOCHT KIEZEN WAAR JE MOCHT WINKELEN, WELKE ZOU JE DAN KIEZEN UIT:",
     {120, 240, 2880, 555}, noTab},
    {4, Kind::Option, "optWinkel", 0, "PACIFIC SUNWEAR ", {120, 840, 1215, 495}, 33},
    {4, Kind::Option, "optWinkel", 1, "LINGERIEWINKEL", {1440, 840, 1575, 495}, 41},

    {5, Kind::Label, "Label3", 4, "WAT IS JE FAVORIETE STAD UIT:", {120, 240, 2880, 315}, noTab},
    {5, Kind::Combo, "cmbStad", -1, "", {240, 720, 2655, 315}, 30},

    {6, Kind::Label, "Label3", 3, "WIL JE IN DE ZOMER LIEVER NAAR HET STRAND OF NAAR IETS WAAR HET KOELER IS?",
     {120, 240, 2880, 555}, noTab},
    {6, Kind::Option, "optStrand", 0, "Strand", {360, 960, 735, 375}, 32},
    {6, Kind::Option, "optStrand", 1, "Koeler", {1680, 960, 735, 375}, 42},

    {7, Kind::Label, "Label3", 1, "In welke maand ben je geboren?", {360, 240, 2400, 195}, noTab},
    {7, Kind::Combo, "cmbMonth", -1, "", {240, 600, 2655, 315}, 23},

    {8, Kind::Label, "Label3", 2, "Blijf je liever relaxt thuis of ga je liever uit!", {120, 240, 2880, 315}, noTab},
    {8, Kind::Option, "optThuis", 0, "Thuis", {360, 720, 615, 375}, 31},
    {8, Kind::Option, "optThuis", 1, "Uitgaan", {1560, 720, 855, 375}, 43},

    {9, Kind::Label, "Label3", 0, "Noem een persoon van het andere geslacht die je graag ziet.", {120, 240, 2880, 435},
     noTab},
    {9, Kind::Text, "txtAGeslacht", -1, "", {120, 720, 2895, 285}, 20},

    {10, Kind::Label, "Label3", 8, "Uw naam", {120, 240, 2880, 315}, noTab},
    {10, Kind::Text, "txtNaam", -1, "", {120, 720, 2895, 285}, 45},

    {11, Kind::Button, "cmdprint", -1, "Printen op papier", {120, 360, 2895, 255}, 48},
    {11, Kind::Button, "cmdSave", -1, "Opslaan in een bestand", {120, 720, 2895, 255}, 49},
    {11, Kind::Button, "cmdEnd", -1, "Einde van dit programma", {120, 1080, 2895, 255}, 50},

    {buttonRow, Kind::Button, "cmdInfo", -1, "About...", {120, 1680, 855, 375}, 51},
    {buttonRow, Kind::Button, "cmdPrevNext", 1, "&Terug", {1440, 1680, 855, 375}, 18},
    {buttonRow, Kind::Button, "cmdPrevNext", 0, "&Verder", {2400, 1680, 855, 375}, 17},
});

// The city list comes with the window; the month list is filled at load.
inline constexpr auto cityItems = std::to_array<string_view>({"Amsterdam", "Zandvoort", "Den-Helder"});

inline constexpr auto monthItems = std::to_array<string_view>({
    "Januari", "februari", "maart ", "april ", "mei", "juni", "july", "augustus", "september", "oktober",
    "november", "december"});

} // namespace Form1Layout
