#include "shell.h"

#include "win32entry.h"

#include <QDir>
#include <QWidget>

#include <shellapi.h>

namespace Shell {

namespace {

// The shell's "open" verb with a normal show state, so a browser that has
// to start comes up visible. Wide strings: a path in a folder named outside
// the ANSI code page (C:\Users\Łukasz) reaches the shell whole.
bool open(QWidget *owner, const QString &target)
{
    static auto *const shellExecute = Win32::entryPoint<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return false;
    const HWND window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const HINSTANCE result = shellExecute(window, L"open", reinterpret_cast<const wchar_t *>(target.utf16()), nullptr,
                                          nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool openFile(QWidget *owner, const QString &path)
{
    return open(owner, QDir::toNativeSeparators(QDir::cleanPath(path)));
}

void openTarget(QWidget *owner, const QString &target)
{
    open(owner, target);
}

} // namespace Shell
