#include "uifonts.h"

#include <QStringList>

namespace UiFonts {

namespace {
QFont fontWithFamilies(const QStringList &families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
} // namespace

QFont msSansSerif(qreal pointSize)
{
    return fontWithFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                             QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")},
                            pointSize);
}

QFont comicSansMs(qreal pointSize)
{
    return fontWithFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, pointSize);
}

} // namespace UiFonts
