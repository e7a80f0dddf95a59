#include "uifonts.h"

#include <QStringList>

#ifdef KWINDEL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace UiFonts {

namespace {

// Liberation Sans Narrow's stems at 8 pt lie about two pixels apart. With the
// light hinting desktops default to they are not snapped sideways, and
// "Blijf" or "juni" blur into grey blocks. FreeType's auto-hinter at full
// strength snaps them and keeps every question within its designed lines.
constexpr char standInRendering[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="family"><string>Liberation Sans Narrow</string></test>
    <edit name="autohint" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
  </match>
</fontconfig>
)";

void hintStandInFully()
{
#ifdef KWINDEL_HAVE_FONTCONFIG
    FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(standInRendering), FcTrue);
#endif
}

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
    static const bool prepared = (hintStandInFully(), true);
    Q_UNUSED(prepared);
    return fontWithFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                             QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")},
                            pointSize);
}

QFont comicSansMs(qreal pointSize)
{
    return fontWithFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, pointSize);
}

} // namespace UiFonts
