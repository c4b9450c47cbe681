// Declarative message maps: a table of message, notification code and control id
// to a member handler, closed by an empty entry.
#pragma once

#include <windows.h>

namespace framework {

template <class T>
struct MessageMapEntry {
    UINT message;          // 0 closes the table
    UINT code;             // notification code of a WM_COMMAND
    UINT id;               // command or control id of a WM_COMMAND
    void (T::*command)();  // handler of a WM_COMMAND
    // Handler of any other message: true when it handled the message, with the answer
    // in `result`; false leaves the message to the default processing.
    bool (T::*handler)(WPARAM, LPARAM, LRESULT& result);
};

// A click on a button, or a menu command (both arrive with the code BN_CLICKED, 0).
template <class T>
constexpr MessageMapEntry<T> OnClicked(UINT id, void (T::*command)())
{
    return {WM_COMMAND, BN_CLICKED, id, command, nullptr};
}

template <class T>
constexpr MessageMapEntry<T> OnMessage(UINT message, bool (T::*handler)(WPARAM, LPARAM, LRESULT&))
{
    return {message, 0, 0, nullptr, handler};
}

template <class T>
constexpr MessageMapEntry<T> EndOfMessageMap()
{
    return {0, 0, 0, nullptr, nullptr};
}

// Calls the first handler that matches; false when the table has none or the handler
// left the message alone. A command's answer is 0.
template <class T>
bool DispatchMessageMap(T& target, const MessageMapEntry<T>* map, UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result)
{
    for (const MessageMapEntry<T>* entry = map; entry->message != 0; ++entry) {
        if (entry->message != message)
            continue;
        if (message == WM_COMMAND) {
            if (entry->id != LOWORD(wParam) || entry->code != HIWORD(wParam))
                continue;
            (target.*entry->command)();
            result = 0;
            return true;
        }
        return (target.*entry->handler)(wParam, lParam, result);
    }
    return false;
}

}  // namespace framework
