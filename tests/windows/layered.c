// Prints what user32 says of another process's visible info window: its
// layered style bit, its alpha and where its client area starts in the whole
// window, "80000 200 3 22"; nothing when not layered.
#include <stdio.h>
#include <windows.h>

static BOOL CALLBACK report(HWND window, LPARAM unused)
{
    wchar_t title[5];
    BYTE alpha = 0;
    RECT whole;
    POINT client = {0, 0};
    if (GetWindowTextW(window, title, 5) && !wcscmp(title, L"Info") && IsWindowVisible(window)
        && GetLayeredWindowAttributes(window, NULL, &alpha, NULL) && GetWindowRect(window, &whole)
        && ClientToScreen(window, &client))
        printf("%lx %u %ld %ld\n", (unsigned long)(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED), alpha,
               client.x - whole.left, client.y - whole.top);
    return unused || TRUE;
}

int main(void) { return !EnumWindows(report, 0); }
