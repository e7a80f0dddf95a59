#include "uifonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <mutex>

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

// The families installed here, in the order asked; all of them when none
// is. Done once per list: Qt searches substitutes for every missing family
// each time it resolves a font that names one.
QStringList installed(const QStringList &families)
{
    const QStringList known = QFontDatabase::families();
    QStringList present;
    for (const QString &family : families) {
        if (known.contains(family, Qt::CaseInsensitive))
            present << family;
    }
    return present.isEmpty() ? families : present;
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
    static std::once_flag fontRuleAdded;
    std::call_once(fontRuleAdded, hintStandInFully);
    static const QStringList families = installed({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                                   QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    return fontWithFamilies(families, pointSize);
}

QFont comicSansMs(qreal pointSize)
{
    static const QStringList families = installed({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    return fontWithFamilies(families, pointSize);
}

} // namespace UiFonts
