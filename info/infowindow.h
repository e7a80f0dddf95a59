#pragma once

class QWidget;

// Opens the program's one info window: loads it when it is not loaded, then
// shows it modeless and brings it to the front. It has no owner but on
// Wayland, where it becomes the child of OWNER's window.
void openInfoWindow(QWidget *owner = nullptr);
