#pragma once

// Registers the images compiled into the program. Every window that shows
// one calls it first: inside a static library nothing else would refer to
// the images, and the linker would leave them out.
void loadAssets();
