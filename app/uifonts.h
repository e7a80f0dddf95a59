#pragma once

#include <QFont>

// The windows were designed for Windows fonts. Each is requested by its own
// name first, so Windows gets the real one; elsewhere a deliberate stand-in
// of similar metrics follows.
namespace UiFonts {

// "MS Sans Serif": Liberation Sans Narrow keeps the designed line breaks
// (DejaVu Sans, the usual fallback, is too wide for the question labels).
QFont msSansSerif(qreal pointSize = 8.25);

// "Comic Sans MS": Comic Neue is drawn after it.
QFont comicSansMs(qreal pointSize);

} // namespace UiFonts
