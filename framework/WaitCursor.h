// The busy cursor, counted: shown by the first of nested waits, restored by the last.
#pragma once

#include <windows.h>

namespace framework {

class WaitCursor {
public:
    WaitCursor();   // begins a wait
    ~WaitCursor();  // ends it

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    static int Level() { return s_level; }

private:
    static inline int s_level = 0;
    static inline HCURSOR s_previous = nullptr;
};

}  // namespace framework
