#include "framework/DialogBase.h"

#include "framework/Application.h"

namespace framework {

DialogBase::DialogBase(UINT templateId, HWND parent)
    : m_templateId(templateId), m_hParent(parent)
{
}

INT_PTR DialogBase::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_hParent,
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

void DialogBase::OnCancel()
{
    EndDialog(IDCANCEL);
}

void DialogBase::EndDialog(INT_PTR result)
{
    ::EndDialog(m_hWnd, result);
}

void DialogBase::CenterInWorkArea()
{
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT window = {};
    GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(m_hWnd, nullptr, workArea.left + (workArea.right - workArea.left - width) / 2,
                 workArea.top + (workArea.bottom - workArea.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<DialogBase*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    const INT_PTR result = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        dialog->m_hWnd = nullptr;
    return result;
}

INT_PTR DialogBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CenterInWorkArea();
        return OnInitDialog();
    }
    INT_PTR result = FALSE;
    if (RouteMessage(message, wParam, lParam, result))
        return result;
    // Only clicks and menu commands; other notifications of OK or Cancel are no commands.
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:  // also Escape and the close box
        OnCancel();
        return TRUE;
    default:
        Application* app = Application::Current();
        return app && app->RouteCommand(LOWORD(wParam));
    }
}

}  // namespace framework
