// A modal dialog built from a dialog template resource.
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"

namespace framework {

class DialogBase {
public:
    // A dialog without a parent window.
    explicit DialogBase(UINT templateId);
    virtual ~DialogBase() = default;

    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Runs the dialog until EndDialog; IDOK, IDCANCEL, or -1 when it could not be created.
    INT_PTR DoModal();

    HWND Handle() const { return m_hWnd; }
    HWND GetItem(int id) const { return GetDlgItem(m_hWnd, id); }

    // Runs DoDataExchange in one direction. The exchange of check boxes and radio
    // groups cannot fail, so this is always true.
    bool UpdateData(ExchangeDirection direction);

protected:
    // Pushes the record into the controls; true lets the system set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange&) {}
    // Pulls the controls into the record, then ends the dialog with IDOK.
    virtual void OnOK();
    void EndDialog(INT_PTR result);

    // The derived class's message map; false when it does not handle the message.
    virtual bool RouteMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // False when the message is left to the dialog manager; otherwise `result` is the answer.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    UINT m_templateId;
    HWND m_hWnd = nullptr;
};

// Moves a window to the centre of the work area, keeping its size.
void CenterInWorkArea(HWND window);

// Binds a dialog class's static message map, T::kMessageMap, to the dialog.
template <class T>
class Dialog : public DialogBase {
    // Only T itself derives from Dialog<T>: the map is dispatched on a T.
    friend T;
    explicit Dialog(UINT templateId) : DialogBase(templateId) {}

protected:
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        return DispatchMessageMap(static_cast<T&>(*this), T::kMessageMap, message, wParam, lParam,
                                  result);
    }
};

}  // namespace framework
