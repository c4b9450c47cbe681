// The floor for size: the program's dialog template with no logic at all.
#include <windows.h>

#include "resources/resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ADVANCED_SETTINGS), nullptr, BareDialogProc, 0));
}
