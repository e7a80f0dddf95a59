#pragma once

#include <QFont>
#include <QList>
#include <QRawFont>

class QPainter;

// Who draws an interface text: PixelTextStyle (pixeltext.h), the
// application's style from the program's start, every label, button, frame
// caption, option caption, list row and message box; TextBox (textbox.h)
// the name boxes. Both measure and draw with Face, below; Qt draws only at
// scale 1 without MS Sans Serif, and names in scripts it must shape.
//
// The windows were designed for Windows fonts. Each is requested by its own
// name first, so Windows gets the real one; elsewhere a deliberate stand-in
// of similar metrics follows.
namespace UiFonts {

// "MS Sans Serif": the face itself where the system has it or Wine's fonts
// are installed (its 13-pixel strike is the designed look); Liberation Sans
// Narrow otherwise, which keeps the designed line breaks.
QFont msSansSerif(qreal pointSize = 8.25);

// "Comic Sans MS": Comic Neue is drawn after it.
QFont comicSansMs(qreal pointSize);

// Whether texts in this font are the interface face's, drawn on whole
// device pixels (pixeltext.h).
bool isInterfaceFont(const QFont &font);

// Whether interface texts at scale are drawn on device pixels: where
// fontconfig picks the fonts, everywhere but at scale 1 without MS Sans
// Serif, where Qt draws its stand-in hinted as a whole.
bool drawsInPixels(qreal scale);

// The height of a line at scale 1: the strike's, also where the system
// lacks that strike.
int designedLineHeight(qreal pointSize);

} // namespace UiFonts

// The interface face as it draws at one size and scale, in device pixels:
// the one answer to how wide its letters are, where each starts and how high
// a line is. Labels, frame captions and lists (PixelText), option focus
// rectangles (OptionButton, through PixelText) and the name boxes (TextBox)
// all measure and draw with it.
class Face
{
public:
    Face() = default;

    // The face that draws font at scale device pixels a pixel: MS Sans
    // Serif's own bitmap strike where one has that size there, else an
    // outline face hinted at the device size, as wide as the strike of scale
    // 1. Each further step is one pixel smaller, for a text that would not
    // fit its box. Bold overstrikes each letter a device pixel to the right
    // and widens it by as much, as Windows does.
    static Face of(const QFont &font, qreal scale, int step = 0);
    // The outline face at the size of() draws it at scale, for letters a
    // strike lacks.
    static Face outlineOf(const QFont &font, qreal scale);

    // The face as a font of logical points at scale, for a text Qt lays out
    // itself.
    QFont logicalFont(qreal scale) const;

    bool isStrike() const;
    bool isValid() const { return m_raw.isValid(); }
    // Whether every letter of the text is in the face.
    bool hasAll(const QString &text) const;

    // Each letter's advance, as the face stands them: a strike's own whole
    // pixels, an outline's unhinted ones, so rounding never adds up into
    // gaps in words.
    QList<double> advances(const QString &text) const;
    double width(const QString &text) const;
    // Where each character of the text starts, in whole device pixels from
    // the text's start, and last where the text ends; both halves of a
    // surrogate pair start at their letter.
    QList<int> starts(const QString &text) const;

    int ascent() const;
    int lineHeight() const;
    // Where an underline goes below the baseline, and how thick it is.
    int underlinePosition() const;
    int lineThickness() const;

    // The text's letters at their starts, in the painter's pen, on whole
    // device pixels: the painter must draw in device pixels.
    void draw(QPainter *painter, QPoint baseline, const QString &text) const;

private:
    Face(QRawFont raw, int bold);
    Face(const QFont &font, qreal scale, int step, bool strikes);

    QRawFont m_raw;
    int m_bold = 0;
};
