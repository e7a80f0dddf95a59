#include "windowstyle.h"

namespace WindowStyle {

Api &systemApi()
{
    static QtApi api;
    return api;
}

} // namespace WindowStyle
