#pragma once

// What each answer says about the user. The phrase depends only on the
// index of the choice, never on its caption.

#include <array>
#include <string_view>

namespace Phrases {

using std::string_view;

inline constexpr auto hairColour = std::to_array<string_view>({"Je bent sexy", "Je bent lief"});

inline constexpr auto date = std::to_array<string_view>({
    "Je bent romantisch",
    "Je bent een lolmaker",
    "Je bent een romantische lolmaker",
    "Gij zijt gek, ik zou eerder Eten->feest nemen",
});

inline constexpr auto colour = std::to_array<string_view>({
    "Je bent schattig", "Je bent luidruchtig", "Je bent ZO geil", "Je bent cool"});

inline constexpr auto hobby = std::to_array<string_view>({"Je bent actief", "Je bent vastbesloten", "Je bent een durfal"});

inline constexpr auto shop = std::to_array<string_view>({"Je bent lol", "Je bent sexy"});

inline constexpr auto city = std::to_array<string_view>({
    "Je vind het leuk om rond mensen te zijn", "Je Feest graag in de hitteuh!", "Stil, je houdt van kou"});

inline constexpr auto beach = std::to_array<string_view>({"Je hebt een tintje, want je houdt van de zon ",
                                                      "Je bent flets en origineel "});

inline constexpr auto month = std::to_array<string_view>({
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
});

inline constexpr auto home = std::to_array<string_view>({"Je bent saai", "Je bent gek(geijk de maker van dit programma :p)"});

// The last result line follows the other-sex name directly.
inline constexpr string_view fallingInLove = " zal verliefd op je worden zoals je bent!!!!!";

// The name checks when a name page is left empty.
inline constexpr string_view otherNameMissing = "Vul een naam in!";
inline constexpr string_view ownNameMissing = "Vul uw naam in!";

} // namespace Phrases
