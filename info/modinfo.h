#pragma once

#include "windowstyle.h"

#include <QString>
#include <QtGlobal>

// The program-wide routines and values of the info window.
namespace modinfo {

// Times the program was used. Nothing counts it up.
inline qint32 UsageCount = 0;

// Result codes of the translucency routines.
inline constexpr qint32 Done = 0;
inline constexpr qint32 OutOfRange = 1;
inline constexpr qint32 ErrorPending = 2;

// Opacity 0 (invisible) to 254 makes the window layered with that alpha;
// 255 makes it opaque again. Errors raised by the style calls are not
// handled here and reach the caller.
qint32 SetWindowTranslucency(WindowStyle::Handle window, qint16 opacity);

// Removes the layered style. Every step is tried even when one fails;
// the result is ErrorPending when one did.
qint32 ClearWindowTranslucency(WindowStyle::Handle window);

// "[1.0 Build0]" for version 1.0 revision 0.
QString VersionText();
QString VersionText(int major, int minor, int revision);

// The application title, four blanks and VersionText().
QString TitleWithVersion();

} // namespace modinfo
