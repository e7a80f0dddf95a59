#include "running.h"

void announceRunning() {}
