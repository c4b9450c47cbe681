#include "tests/support/ModalDialog.h"

#include <gtest/gtest.h>

#include "settings/AdvancedSettingsDialog.h"

namespace {

const DWORD kTimeoutMs = 10000;

// The program's dialog, telling its driver when it has initialised.
class ObservedDialog : public AdvancedSettingsDialog {
public:
    ObservedDialog(HWND& window, HANDLE opened) : m_window(window), m_opened(opened) {}

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = AdvancedSettingsDialog::OnInitDialog();
        m_window = Handle();
        SetEvent(m_opened);
        return result;
    }

private:
    HWND& m_window;
    HANDLE m_opened;
};

BOOL CALLBACK CountVisible(HWND window, LPARAM count)
{
    if (IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

ModalDialog::ModalDialog() : m_opened(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_thread = CreateThread(nullptr, 0, &ModalDialog::Run, this, 0, &m_threadId);
    const HANDLE waits[] = {m_opened, m_thread};
    if (!m_thread || WaitForMultipleObjects(2, waits, FALSE, kTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the dialog did not open";
        return;
    }
    // Answered once the dialog's own message loop runs, that is once it is shown.
    Send(m_hWnd, WM_NULL);
}

ModalDialog::~ModalDialog()
{
    if (m_thread && WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT && m_hWnd)
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (m_thread) {
        WaitForSingleObject(m_thread, kTimeoutMs);
        CloseHandle(m_thread);
    }
    CloseHandle(m_opened);
}

DWORD WINAPI ModalDialog::Run(void* self)
{
    ModalDialog& driver = *static_cast<ModalDialog*>(self);
    ObservedDialog dialog(driver.m_hWnd, driver.m_opened);
    driver.m_result = dialog.DoModal();
    driver.m_record = dialog.Settings();
    return 0;
}

LRESULT ModalDialog::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result))
        ADD_FAILURE() << "no answer to message " << message;
    return static_cast<LRESULT>(result);
}

int ModalDialog::VisibleWindows() const
{
    int count = 0;
    EnumThreadWindows(m_threadId, CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

INT_PTR ModalDialog::WaitForEnd()
{
    if (!m_thread || WaitForSingleObject(m_thread, 5000) != WAIT_OBJECT_0)
        return 0;
    return m_result;
}
