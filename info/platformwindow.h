#pragma once

#include <QtGlobal>

class QWidget;

// What a window needs where the window system lacks something: Qt's Wayland
// plugin cannot set a window's opacity, and a window without a parent is an
// application window of its own there. Elsewhere the window system does it.
namespace PlatformWindow {

// The window's opacity, from 0 to 1: set by the window system where it can,
// else drawn by the program (a translucent surface, the contents at that alpha).
void setOpacity(QWidget *window, qreal opacity);

// On Wayland the window becomes the child of OWNER's window, which it then
// stays with; before it is first shown. Elsewhere it stays a window of its own.
void setOwner(QWidget *window, QWidget *owner);

} // namespace PlatformWindow
