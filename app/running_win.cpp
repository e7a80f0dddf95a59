#include "running.h"

#include "appinfo.h"

#include <windows.h>

#include <string>

void announceRunning()
{
    // Per session, as the installation is per user. Never closed: Windows
    // drops it when the process ends, however it ends.
    const std::string name = "Local\\" + std::string(AppInfo::desktopId);
    CreateMutexA(nullptr, FALSE, name.c_str());
}
