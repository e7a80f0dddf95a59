#pragma once

// Tells installers that the program is running: on Windows a named mutex,
// held for the program's life, which the installer and the uninstaller look
// for before they touch its files. Elsewhere packages need no such sign.
void announceRunning();
