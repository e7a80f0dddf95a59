#pragma once

// What each answer says about the user. The phrase depends only on the
// index of the choice, never on its caption.

#include <array>
#include <string_view>

namespace Phrases {

using std::string_view;

inline constexpr std::array<string_view, 2> hairColour = {"Je bent sexy", "Je bent lief"};

inline constexpr std::array<string_view, 4> date = {
    "Je bent romantisch",
    "Je bent een lolmaker",
    "Je bent een romantische lolmaker",
    "Gij zijt gek, ik zou eerder Eten->feest nemen",
};

inline constexpr std::array<string_view, 4> colour = {
    "Je bent schattig", "Je bent luidruchtig", "Je bent ZO geil", "Je bent cool"};

inline constexpr std::array<string_view, 3> hobby = {"Je bent actief", "Je bent vastbesloten", "Je bent een durfal"};

inline constexpr std::array<string_view, 2> shop = {"Je bent lol", "Je bent sexy"};

inline constexpr std::array<string_view, 3> city = {
    "Je vind het leuk om rond mensen te zijn", "Je Feest graag in de hitteuh!", "Stil, je houdt van kou"};

inline constexpr std::array<string_view, 2> beach = {"Je hebt een tintje, want je houdt van de zon ",
                                                      "Je bent flets en origineel "};

inline constexpr std::array<string_view, 12> month = {
    "Je bent populair",
    "Je bent schitterend",
    "Je bent luidruchtig",
    "Je maakt lol",
    "Je relaxed heel veel",
    "Je bent blij",
    "Je bent gelikt",
    "Je hebt veel fun",
    "Je bent stil",
    "Je gaat veel uit",
    "Je vindt het allemaal wel goed",
    "Je hebt het warm",
};

inline constexpr std::array<string_view, 2> home = {"Je bent saai", "Je bent gek(geijk de maker van dit programma :p)"};

// The last result line follows the other-sex name directly.
inline constexpr string_view fallingInLove = " zal verliefd op je worden zoals je bent!!!!!";

// The name checks when a name page is left empty.
inline constexpr string_view otherNameMissing = "Vul een naam in!";
inline constexpr string_view ownNameMissing = "Vul uw naam in!";

} // namespace Phrases
