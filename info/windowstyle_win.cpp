#include "windowstyle.h"

#include "win32entry.h"

// <windows.h> names these after its A or W variant; here they are our methods.
#undef GetWindowLong
#undef SetWindowLong

namespace WindowStyle {

namespace {

// The window-style calls, straight to user32.
class User32Api final : public Api
{
public:
    User32Api() = default;
    Q_DISABLE_COPY_MOVE(User32Api)

    qint32 GetWindowLong(Handle window, qint32 index) override
    {
        static auto *const call = bound<decltype(::GetWindowLongA)>("GetWindowLongA");
        return call(hwnd(window), index);
    }
    qint32 SetWindowLong(Handle window, qint32 index, qint32 style) override
    {
        static auto *const call = bound<decltype(::SetWindowLongA)>("SetWindowLongA");
        return call(hwnd(window), index, style);
    }
    void SetLayeredWindowAttributes(Handle window, quint32 colourKey, quint8 alpha, quint32 flags) override
    {
        static auto *const call = bound<decltype(::SetLayeredWindowAttributes)>("SetLayeredWindowAttributes");
        call(hwnd(window), colourKey, alpha, flags);
    }

private:
    static HWND hwnd(Handle window) { return reinterpret_cast<HWND>(window); }

    // A missing entry point is an error at the call; the lookup is tried
    // again on the next one.
    template <typename Function>
    static Function *bound(const char *name)
    {
        if (Function *function = Win32::entryPoint<Function>(L"user32.dll", name))
            return function;
        throw PlatformError(std::string("user32.dll has no entry point ") + name);
    }
};

} // namespace

Api &systemApi()
{
    static User32Api api;
    return api;
}

} // namespace WindowStyle
