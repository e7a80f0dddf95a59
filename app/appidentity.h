#pragma once

#include <QString>

// Puts the generated identity values into QCoreApplication, where every
// reader at run time finds them.
void applyApplicationIdentity();

// The application title as the program uses it at run time (window
// captions, message boxes, the info window's title).
QString applicationTitle();
