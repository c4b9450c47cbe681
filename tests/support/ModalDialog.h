// Runs the real settings dialog modally on a thread of its own, so that the test
// thread can drive it the way a user would: through its windows.
#pragma once

#include <windows.h>

#include "settings/AdvancedSettings.h"

class ModalDialog {
public:
    // Starts the dialog and returns once its window is shown and idle.
    ModalDialog();
    // Cancels the dialog if it is still open and waits for its thread.
    ~ModalDialog();

    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    HWND Window() const { return m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    DWORD ThreadId() const { return m_threadId; }

    // A message sent to the dialog's thread; fails the test if it does not answer in time.
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Click(int id) const { Send(Item(id), BM_CLICK); }
    void SetCheck(int id, bool checked) const { Send(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
    bool Checked(int id) const { return Send(Item(id), BM_GETCHECK) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

    // Visible top-level windows of the dialog's thread: 1 while only the dialog is open.
    int VisibleWindows() const;

    // Waits until the dialog has ended; its DoModal result, or 0 when it is still open.
    INT_PTR WaitForEnd();
    // The dialog's record as it was when the dialog ended.
    const AdvancedSettings& FinalRecord() const { return m_record; }

private:
    static DWORD WINAPI Run(void* self);

    HANDLE m_opened;  // set once the dialog has initialised
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HWND m_hWnd = nullptr;
    INT_PTR m_result = 0;
    AdvancedSettings m_record;
};
