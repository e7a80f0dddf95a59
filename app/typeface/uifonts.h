#pragma once

#include <QFont>
#include <QRawFont>

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

// The face that draws an interface text of pointSize at scale device pixels
// a pixel: MS Sans Serif's own bitmap strike where one has that size there,
// else an outline face hinted at the device size, as wide as the strike of
// scale 1. Each further step is one pixel smaller, for a text that would
// not fit its box.
QRawFont interfaceFace(qreal pointSize, qreal scale, int step = 0);

// Whether the face is one of MS Sans Serif's bitmap strikes.
bool isStrike(const QRawFont &face);

// The height of a line at scale 1: the strike's, also where the system
// lacks that strike.
int designedLineHeight(qreal pointSize);

// The advances a face's letters stand by: a strike's own whole pixels, an
// outline's unhinted ones, so rounding never adds up into gaps in words.
QRawFont::LayoutFlags advancesOf(const QRawFont &face);

// Whether interface texts at scale are drawn on device pixels: where
// fontconfig picks the fonts, everywhere but at scale 1 without MS Sans
// Serif, where Qt draws its stand-in hinted as a whole.
bool drawsInPixels(qreal scale);

// The outline face at the size interfaceFace draws it at scale, for texts
// that Qt lays out itself, such as a text box's; and the same face in
// device pixels, to draw them with.
QFont outlineFont(qreal pointSize, qreal scale);
QRawFont outlineFace(qreal pointSize, qreal scale);

} // namespace UiFonts
