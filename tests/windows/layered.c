// Prints what user32 says of another process's visible info window: its
// layered style bit and its alpha, "80000 200"; nothing when not layered.
#include <stdio.h>
#include <windows.h>

static BOOL CALLBACK report(HWND window, LPARAM unused)
{
    wchar_t title[5];
    BYTE alpha = 0;
    if (GetWindowTextW(window, title, 5) && !wcscmp(title, L"Info") && IsWindowVisible(window)
        && GetLayeredWindowAttributes(window, NULL, &alpha, NULL))
        printf("%lx %u\n", (unsigned long)(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED), alpha);
    return unused || TRUE;
}

int main(void) { return !EnumWindows(report, 0); }
