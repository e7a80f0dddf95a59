#pragma once

// Opens the program's one info window: loads it when it is not loaded, then
// shows it modeless without owner and brings it to the front.
void openInfoWindow();
