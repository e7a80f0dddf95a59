#include "assets.h"

#include <QtCore/qglobal.h>

void loadAssets()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    Q_UNUSED(loaded);
}
