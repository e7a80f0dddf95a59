#pragma once

// Windows only. System functions are bound by library and entry-point name
// and looked up on their first call, so a system that lacks one fails at
// that call and not at start-up.

#include <windows.h>

namespace Win32 {

// The function, or nullptr when the library or the entry point is missing.
template <typename Function>
Function *entryPoint(const wchar_t *library, const char *name)
{
    const HMODULE module = LoadLibraryW(library);
    const FARPROC address = module ? GetProcAddress(module, name) : nullptr;
    // FARPROC is a generic function pointer: through void (*)() the cast is a plain one.
    return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(address));
}

} // namespace Win32
