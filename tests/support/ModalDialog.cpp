#include "tests/support/ModalDialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "settings/AdvancedSettingsDialog.h"

namespace {

const DWORD kTimeoutMs = 10000;
// Apply and OK answer after the 4 s that the driver's helper gets to quit.
const DWORD kAnswerMs = 30000;

// The program's dialog, telling its driver when its window has become visible.
class ObservedDialog : public AdvancedSettingsDialog {
public:
    ObservedDialog(std::atomic<HWND>& window, HANDLE shown) : m_window(window), m_shown(shown) {}

protected:
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)) {
            m_window = Handle();
            SetEvent(m_shown);
        }
        return AdvancedSettingsDialog::RouteMessage(message, wParam, lParam, result);
    }

private:
    std::atomic<HWND>& m_window;
    HANDLE m_shown;
};

BOOL CALLBACK CountVisible(HWND window, LPARAM count)
{
    if (IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

struct ModalDialog::State {
    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() { CloseHandle(shown); }

    HANDLE shown = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<HWND> window{nullptr};
    // Written by the dialog's thread before it ends.
    INT_PTR result = 0;
    AdvancedSettings record;
};

ModalDialog::ModalDialog() : m_state(std::make_shared<State>())
{
    auto* reference = new std::shared_ptr<State>(m_state);
    m_thread = CreateThread(nullptr, 0, &ModalDialog::Run, reference, 0, &m_threadId);
    if (!m_thread)
        delete reference;
    const HANDLE waits[] = {m_state->shown, m_thread};
    if (!m_thread || WaitForMultipleObjects(2, waits, FALSE, kTimeoutMs) != WAIT_OBJECT_0) {
        if (m_thread)
            CloseHandle(m_thread);
        throw std::runtime_error("the dialog did not open");
    }
    // Answered once the dialog's thread takes messages again, after showing the window.
    Send(Window(), WM_NULL);
}

ModalDialog::~ModalDialog()
{
    if (WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT)
        PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (WaitForSingleObject(m_thread, kTimeoutMs) != WAIT_OBJECT_0)
        ADD_FAILURE() << "the dialog did not end; its thread is left running";
    CloseHandle(m_thread);
}

DWORD WINAPI ModalDialog::Run(void* state)
{
    const std::unique_ptr<std::shared_ptr<State>> reference(static_cast<std::shared_ptr<State>*>(state));
    State& shared = **reference;
    ObservedDialog dialog(shared.window, shared.shown);
    shared.result = dialog.DoModal();
    shared.record = dialog.Settings();
    return 0;
}

HWND ModalDialog::Window() const
{
    return m_state->window;
}

LRESULT ModalDialog::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &result))
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
    if (WaitForSingleObject(m_thread, 5000) != WAIT_OBJECT_0)
        return 0;
    return m_state->result;
}

const AdvancedSettings& ModalDialog::FinalRecord() const
{
    static const AdvancedSettings kNone;
    if (WaitForSingleObject(m_thread, 0) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the dialog's record is read while the dialog still runs";
        return kNone;  // the dialog's thread may still write its own
    }
    return m_state->record;
}
