#include "framework/WaitCursor.h"

namespace framework {

WaitCursor::WaitCursor()
{
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    if (s_level++ == 0)
        s_previous = previous;
}

WaitCursor::~WaitCursor()
{
    if (--s_level == 0)
        SetCursor(s_previous);
}

}  // namespace framework
