#include "framework/DataExchange.h"

namespace framework {

namespace {

bool IsRadioButton(HWND control)
{
    return (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool StartsGroup(HWND control)
{
    return (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) != 0;
}

}  // namespace

void DataExchange::CheckBox(int id, int& value)
{
    const HWND control = GetDlgItem(m_hDialog, id);
    if (m_direction == ExchangeDirection::Pull) {
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DataExchange::RadioGroup(int firstId, int& value)
{
    if (m_direction == ExchangeDirection::Pull)
        value = -1;
    int index = 0;
    HWND control = GetDlgItem(m_hDialog, firstId);
    for (bool first = true; control && (first || !StartsGroup(control));
         control = GetWindow(control, GW_HWNDNEXT), first = false) {
        if (!IsRadioButton(control))
            continue;
        if (m_direction == ExchangeDirection::Push) {
            SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        } else if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            value = index;
        }
        ++index;
    }
}

}  // namespace framework
