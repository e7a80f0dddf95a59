#pragma once

#include <QIcon>

// Registers the images compiled into the program. Every window that shows
// one calls it first: inside a static library nothing else would refer to
// the images, and the linker would leave them out.
void loadAssets();

// A window icon from its 32- and 16-pixel PNGs (":/kwindel" names
// ":/kwindel-32.png" and ":/kwindel-16.png"). Qt reads PNG itself, so no
// image plugin is loaded for it.
QIcon pngIcon(const QString &resourceStem);
