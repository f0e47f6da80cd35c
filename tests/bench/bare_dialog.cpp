// The bare program the window bench compares Calvorin.exe with: one dialog, a message loop.
#include <windows.h>

namespace {
INT_PTR CALLBACK proc(HWND dialog, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_CLOSE) {
        DestroyWindow(dialog);
        return TRUE;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return FALSE;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(1), nullptr, &proc, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    return 0;
}
