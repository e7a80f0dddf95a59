#include "uifonts.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QHash>
#include <QStringList>

#include <cmath>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

#ifdef KWINDEL_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace UiFonts {

namespace {

constexpr char msSansSerifFamily[] = "MS Sans Serif";
// Debian's fonts-wine keeps it outside fontconfig's folders.
constexpr char wineFace[] = "/usr/share/wine/fonts/ms_sans_serif.ttf";
constexpr char outlineFamily[] = "Liberation Sans";
constexpr char windowsOutlineFamily[] = "Microsoft Sans Serif"; // MS Sans Serif's outline twin
constexpr char narrowFamily[] = "Liberation Sans Narrow";
// The widest of the designed one-line texts against its box: an outline
// size is chosen so that it is no wider than the strike of scale 1 draws it.
constexpr char widthSample[] = "Blijf je liever relaxt thuis of ga je liever uit!";
// How wide MS Sans Serif's 13-pixel strike, the designed 8.25 points, draws it.
constexpr double strikeSampleWidth = 191;
constexpr double strikeLineHeight = 13;
constexpr double designPointSize = 8.25;
// A strike is used where its em lies this close to the device em.
constexpr double strikeTolerance = 0.75;

// The outline faces at interface sizes: stems two pixels apart blur into
// grey blocks with the light hinting most desktops use; FreeType's
// auto-hinter at full strength snaps them to the device's pixels.
constexpr char outlineRendering[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="family" compare="contains"><string>Liberation Sans</string></test>
    <edit name="autohint" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintfull</const></edit>
  </match>
</fontconfig>
)";

bool isStrike(const QRawFont &face)
{
    return face.familyName().compare(msSansSerifFamily, Qt::CaseInsensitive) == 0;
}

// A strike's own whole pixels; an outline's unhinted advances, so rounding
// never adds up into gaps in words.
QRawFont::LayoutFlags advancesOf(const QRawFont &face)
{
    return isStrike(face) ? QRawFont::SeparateAdvances : QRawFont::UseDesignMetrics;
}

QFont fontWithFamilies(const QStringList &families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

struct Faces {
    QRawFont msSansSerif;  // its first strike; invalid where there is none
    QStringList interface; // the families asked for, in order
    QString outline;
};

// MS Sans Serif where fontconfig has it, else from Wine's fonts. Qt knows
// only its first strike by name; the others are reached through its
// engine, sized, as the screen's scale needs them.
const Faces &faces()
{
    static const Faces found = [] {
#ifdef KWINDEL_HAVE_FONTCONFIG
        FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(outlineRendering), FcTrue);
#endif
        Faces f;
        const QStringList known = QFontDatabase::families();
        if (known.contains(msSansSerifFamily, Qt::CaseInsensitive) || QFontDatabase::addApplicationFont(wineFace) >= 0) {
#ifdef KWINDEL_HAVE_FONTCONFIG
            // The engine the windows' own font loads anyway, resized: a
            // second engine of its own would cost a second fontconfig match.
            f.msSansSerif = QRawFont::fromFont(fontWithFamilies({msSansSerifFamily}, 8.25));
            f.msSansSerif.setPixelSize(13);
#else
            QFont face(msSansSerifFamily);
            face.setPixelSize(13);
            f.msSansSerif = QRawFont::fromFont(face);
#endif
        }
        const bool present = isStrike(f.msSansSerif);
        f.interface = present ? QStringList{msSansSerifFamily} : QStringList{msSansSerifFamily, narrowFamily};
        // Liberation Sans is drawn about as wide as MS Sans Serif; the narrow
        // stand-in is drawn larger at other scales in its own shapes.
        f.outline = narrowFamily;
        for (const char *family : {outlineFamily, windowsOutlineFamily}) {
            if (present && known.contains(family)) {
                f.outline = QString::fromLatin1(family);
                break;
            }
        }
        return f;
    }();
    return found;
}

// The designed em in pixels: the windows were drawn at 96 dots an inch.
double designEm(qreal pointSize)
{
    return pointSize * 96.0 / 72.0;
}

double width(const QRawFont &face, const QString &text)
{
    double sum = 0;
    for (const QPointF &advance : face.advancesForGlyphIndexes(face.glyphIndexesForString(text), advancesOf(face)))
        sum += advance.x();
    return sum;
}

QRawFont outlineAt(int pixels)
{
    QFont font(faces().outline);
    font.setPixelSize(std::max(1, pixels));
    font.setHintingPreference(QFont::PreferFullHinting);
    return QRawFont::fromFont(font);
}

// MS Sans Serif's strike of the designed size at this scale, if the system
// has one. A strike's em is its ascent. FreeType finds a strike by its line
// height, Windows by its em.
QRawFont strikeFor(qreal pointSize, qreal scale)
{
    const QRawFont &strikes = faces().msSansSerif;
    const double em = designEm(pointSize) * scale;
    for (const double pixels : {em * 13.0 / 11.0, em}) {
        if (!strikes.isValid())
            break;
        QRawFont strike = strikes;
        strike.setPixelSize(std::round(pixels));
        if (std::abs(strike.ascent() - em) <= strikeTolerance)
            return strike;
    }
    return {};
}

// The outline face's size in device pixels: as wide as the strike of scale
// 1, or, where the system lacks that strike (Windows at 120 dots an inch
// and over), as wide as that strike is drawn.
int outlinePixels(qreal pointSize, qreal scale)
{
    const double em = designEm(pointSize) * scale;
    const QRawFont designed = strikeFor(pointSize, 1.0);
    if (scale == 1.0 && designed.isValid())
        return static_cast<int>(std::round(em));
    const double room = (designed.isValid() ? width(designed, widthSample)
                                            : strikeSampleWidth * pointSize / designPointSize) * scale;
    int pixels = static_cast<int>(std::round(em * 1.15));
    while (pixels > 1 && width(outlineAt(pixels), widthSample) > room)
        --pixels;
    return pixels;
}

// MS Sans Serif's strike where strikes are asked for and one fits, else the
// outline face, STEP pixels smaller.
QRawFont chooseFace(qreal pointSize, qreal scale, int step, bool strikes)
{
    if (step == 0 && strikes) {
        if (QRawFont strike = strikeFor(pointSize, scale); strike.isValid())
            return strike;
    }
    return outlineAt(outlinePixels(pointSize, scale) - step);
}

QRawFont interfaceFace(qreal pointSize, qreal scale, int step, bool strikes = true)
{
    // Asked for each text drawn or measured: a key of numbers, not of
    // formatted text.
    static std::map<std::tuple<qreal, qreal, int, bool>, QRawFont> chosen;
    const auto key = std::make_tuple(pointSize, scale, step, strikes);
    auto it = chosen.find(key);
    if (it == chosen.end())
        it = chosen.emplace(key, chooseFace(pointSize, scale, step, strikes)).first;
    return it->second;
}

} // namespace

QFont msSansSerif(qreal pointSize)
{
    return fontWithFamilies(faces().interface, pointSize);
}

QFont comicSansMs(qreal pointSize)
{
    static const QStringList families = [] {
        const QStringList known = QFontDatabase::families();
        return known.contains("Comic Sans MS", Qt::CaseInsensitive) ? QStringList{"Comic Sans MS"}
                                                                      : QStringList{"Comic Sans MS", "Comic Neue"};
    }();
    return fontWithFamilies(families, pointSize);
}

bool isInterfaceFont(const QFont &font)
{
    return font.families() == faces().interface;
}

int designedLineHeight(qreal pointSize)
{
    static QHash<qreal, int> known; // asked for at every drawing
    auto it = known.find(pointSize);
    if (it == known.end()) {
        const QRawFont strike = strikeFor(pointSize, 1.0);
        it = known.insert(pointSize, static_cast<int>(std::round(strike.isValid() ? strike.ascent() + strike.descent()
                                                                                  : strikeLineHeight * pointSize / designPointSize)));
    }
    return *it;
}

bool drawsInPixels(qreal scale)
{
#ifdef KWINDEL_HAVE_FONTCONFIG
    return scale != 1.0 || faces().msSansSerif.isValid();
#else
    // Windows draws its own MS Sans Serif through GDI at the designed size;
    // scaled, Qt would draw glyphs made for the logical size.
    return scale != 1.0;
#endif
}

} // namespace UiFonts

Face::Face(QRawFont raw, int bold)
    : m_raw(std::move(raw))
    , m_bold(bold)
{
}

Face::Face(const QFont &font, qreal scale, int step, bool strikes)
    : Face(UiFonts::interfaceFace(font.pointSizeF(), scale, step, strikes), font.bold() ? std::max(1, int(std::round(scale))) : 0)
{
}

Face Face::of(const QFont &font, qreal scale, int step)
{
    return {font, scale, step, true};
}

Face Face::outlineOf(const QFont &font, qreal scale)
{
    return {font, scale, 0, false};
}

QFont Face::logicalFont(qreal scale) const
{
    QFont font(m_raw.familyName());
    font.setPointSizeF(m_raw.pixelSize() / scale * 72.0 / 96.0);
    font.setBold(m_bold > 0);
    return font;
}

bool Face::isStrike() const
{
    return UiFonts::isStrike(m_raw);
}

bool Face::hasAll(const QString &text) const
{
    return !m_raw.glyphIndexesForString(text).contains(0u);
}

QList<double> Face::advances(const QString &text) const
{
    QList<double> result;
    for (const QPointF &advance : m_raw.advancesForGlyphIndexes(m_raw.glyphIndexesForString(text), UiFonts::advancesOf(m_raw)))
        result << advance.x() + m_bold;
    return result;
}

double Face::width(const QString &text) const
{
    double sum = 0;
    for (double advance : advances(text))
        sum += advance;
    return sum;
}

QList<int> Face::starts(const QString &text) const
{
    const QList<double> letters = advances(text); // one a letter, a pair's too
    QList<int> result;
    double x = 0;
    for (qsizetype i = 0, letter = 0; i < text.size(); ++i) {
        result << static_cast<int>(std::round(x));
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result << result.last();
            ++i;
        }
        x += letters.value(letter++);
    }
    result << static_cast<int>(std::round(x));
    return result;
}

int Face::ascent() const
{
    return static_cast<int>(std::round(m_raw.ascent()));
}

int Face::lineHeight() const
{
    return static_cast<int>(std::round(m_raw.ascent() + m_raw.descent()));
}

int Face::underlinePosition() const
{
    return std::max(1, static_cast<int>(std::ceil(m_raw.underlinePosition())));
}

int Face::lineThickness() const
{
    return std::max(1, static_cast<int>(std::round(m_raw.lineThickness())));
}

void Face::draw(QPainter *painter, QPoint baseline, const QString &text) const
{
    const QList<int> at = starts(text);
    QList<QPointF> positions;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate())
            positions << QPointF(at[i], 0);
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(m_raw.glyphIndexesForString(text));
    run.setPositions(positions);
    painter->drawGlyphRun(baseline, run);
    if (m_bold > 0)
        painter->drawGlyphRun(baseline + QPoint(m_bold, 0), run);
}
