#include "pendingerror.h"

#include <exception>

PendingError &PendingError::program()
{
    static PendingError state;
    return state;
}

void PendingError::raise(const QString &description)
{
    m_pending = true;
    m_description = description;
}

void PendingError::clear()
{
    m_pending = false;
    m_description.clear();
}

void PendingError::runEachStep(std::initializer_list<std::function<void()>> steps)
{
    clear();
    for (const auto &step : steps) {
        try {
            step();
        } catch (const std::exception &error) {
            raise(QString::fromLocal8Bit(error.what()));
        }
    }
}
