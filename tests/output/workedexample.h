#pragma once

#include <QStringList>

// The result text of the worked example, line by line (CR LF between).
inline QStringList workedExample()
{
    return {QStringLiteral("Je bent lief"), QStringLiteral("Je bent romantisch"), QStringLiteral("Je bent luidruchtig"),
            QStringLiteral("Je bent vastbesloten"), QStringLiteral("Je Feest graag in de hitteuh!"),
            QStringLiteral("Je hebt een tintje, want je houdt van de zon "), QStringLiteral("Je bent gelikt"),
            QStringLiteral("de buurjongen zal verliefd op je worden zoals je bent!!!!!")};
}
