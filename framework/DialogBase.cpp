#include "framework/DialogBase.h"

#include <algorithm>
#include <iterator>

#include "framework/Application.h"

namespace framework {

namespace {

// The messages that a dialog procedure answers with its own return value. Every other
// answer goes back through DWLP_MSGRESULT, while the procedure returns TRUE.
const UINT kDirectlyAnswered[] = {
    WM_CHARTOITEM,   WM_COMPAREITEM,     WM_CTLCOLORBTN,       WM_CTLCOLORDLG,
    WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC,
    WM_INITDIALOG,   WM_QUERYDRAGICON,   WM_VKEYTOITEM,
};

bool IsDirectlyAnswered(UINT message)
{
    return std::find(std::begin(kDirectlyAnswered), std::end(kDirectlyAnswered), message) !=
           std::end(kDirectlyAnswered);
}

}  // namespace

DialogBase::DialogBase(UINT templateId) : m_templateId(templateId)
{
}

INT_PTR DialogBase::DoModal()
{
    // A Unicode dialog: its German texts reach the screen whatever the ANSI code page.
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), nullptr,
                           &DialogBase::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool DialogBase::UpdateData(ExchangeDirection direction)
{
    DataExchange exchange(m_hWnd, direction);
    DoDataExchange(exchange);
    return true;
}

BOOL DialogBase::OnInitDialog()
{
    UpdateData(ExchangeDirection::Push);
    return TRUE;
}

void DialogBase::OnOK()
{
    if (UpdateData(ExchangeDirection::Pull))
        EndDialog(IDOK);
}

void DialogBase::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

void CenterInWorkArea(HWND window)
{
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT frame = {};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, workArea.left + (workArea.right - workArea.left - width) / 2,
                 workArea.top + (workArea.bottom - workArea.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<DialogBase*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    LRESULT result = 0;
    const bool handled = dialog->HandleMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY)
        dialog->m_hWnd = nullptr;
    if (!handled)
        return FALSE;
    if (IsDirectlyAnswered(message))
        return result;
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool DialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_INITDIALOG) {
        CenterInWorkArea(m_hWnd);
        result = OnInitDialog();
        return true;
    }
    if (RouteMessage(message, wParam, lParam, result))
        return true;
    // Only clicks and menu commands; other notifications of OK or Cancel are no commands.
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:  // also Escape and the close box
        EndDialog(IDCANCEL);
        return true;
    default:
        Application* app = Application::Current();
        return app && app->RouteCommand(LOWORD(wParam));
    }
}

}  // namespace framework
