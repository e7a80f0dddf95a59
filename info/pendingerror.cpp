#include "pendingerror.h"

#include <exception>

PendingError &PendingError::program()
{
    static PendingError state;
    return state;
}

void PendingError::runEachStep(std::initializer_list<std::function<void()>> steps)
{
    clear();
    for (const auto &step : steps) {
        try {
            step();
        } catch (const std::exception &) {
            raise();
        }
    }
}
