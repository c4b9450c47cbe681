// Runs the real settings dialog modally on a thread of its own, so that the test
// thread can drive it the way a user would: through its windows.
#pragma once

#include <windows.h>

#include <memory>

#include "settings/AdvancedSettings.h"

class ModalDialog {
public:
    // Starts the dialog and returns once its window is shown and answers; throws, and so
    // fails the test, when it does not open.
    ModalDialog();
    // Cancels the dialog if it is still open and waits for its thread; a dialog that does
    // not end fails the test and keeps its thread and what that thread uses.
    ~ModalDialog();

    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    HWND Window() const;
    HWND Item(int id) const { return GetDlgItem(Window(), id); }
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
    // The dialog's record as it was when the dialog ended; fails the test while it still runs.
    const AdvancedSettings& FinalRecord() const;

private:
    struct State;  // shared with the dialog's thread, which keeps its own reference
    static DWORD WINAPI Run(void* state);

    std::shared_ptr<State> m_state;
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
};
