#pragma once

#include <QtGlobal>

#include <functional>
#include <initializer_list>

// A run-time error that a handler went past and has not cleared yet. The
// handler that goes on past errors records each failure here; the
// translucency routines look at it, clear it and set it.
class PendingError
{
public:
    PendingError() = default;
    Q_DISABLE_COPY_MOVE(PendingError)

    // The program's one error state: there is one GUI thread.
    static PendingError &program();

    bool isPending() const { return m_pending; }
    void raise() { m_pending = true; }
    void clear() { m_pending = false; }

    // Clears the state, then runs every step in order: a step that throws
    // is recorded and the next step runs all the same.
    void runEachStep(std::initializer_list<std::function<void()>> steps);

private:
    bool m_pending = false;
};
