#pragma once

// Lets screen readers announce the info window's three contact labels as
// links, with the address they open as their name.
void installLinkAccessibility();
