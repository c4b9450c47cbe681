#include "tests/dialog/ModalDialog.h"

#include <gtest/gtest.h>

#include "settings/AdvancedSettingsDialog.h"

namespace {

const char kCaption[] = "Drivona - Erweiterte Einstellungen";

struct Search {
    HWND found = nullptr;
    int visible = 0;
};

BOOL CALLBACK VisitThreadWindow(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    if (lstrcmpA(caption, kCaption) == 0)
        search.found = window;
    if (IsWindowVisible(window))
        ++search.visible;
    return TRUE;
}

Search SearchThreadWindows(DWORD threadId)
{
    Search search;
    EnumThreadWindows(threadId, VisitThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search;
}

}  // namespace

ModalDialog::ModalDialog()
    : m_thread([this] {
          m_threadId = GetCurrentThreadId();
          AdvancedSettingsDialog dialog;
          m_result = dialog.DoModal();
          m_record = dialog.Settings();
          m_ended = true;
      })
{
    for (int i = 0; i < 1000 && !m_hWnd && !m_ended; ++i) {
        Sleep(10);
        if (m_threadId) {
            const HWND window = SearchThreadWindows(m_threadId).found;
            if (window && IsWindowVisible(window))
                m_hWnd = window;
        }
    }
    if (!m_hWnd) {
        ADD_FAILURE() << "the dialog did not open";
        return;
    }
    Send(m_hWnd, WM_NULL);
}

ModalDialog::~ModalDialog()
{
    if (!m_ended && m_hWnd)
        PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (m_thread.joinable())
        m_thread.join();
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
    return SearchThreadWindows(m_threadId).visible;
}

INT_PTR ModalDialog::WaitForEnd()
{
    for (int i = 0; i < 500 && !m_ended; ++i)
        Sleep(10);
    if (!m_ended)
        return 0;
    m_thread.join();
    return m_result;
}
