#include "infowindow.h"

void openInfoWindow() {}
