#pragma once

#include <QColor>

class QPalette;

// A designed text colour kept readable on faces it was not drawn for.
namespace ReadableColour {

// The least contrast a text keeps with what it is drawn on.
inline constexpr double minimumContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor &a, const QColor &b);

// The designed colour where it reads on the palette's window face; otherwise
// (a dark or high-contrast theme) the nearest lighter or darker shade of it
// that reads.
QColor on(const QPalette &palette, const QColor &designed);

} // namespace ReadableColour
