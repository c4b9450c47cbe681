#include "framework/WaitCursor.h"

namespace framework {

int WaitCursor::s_level = 0;
HCURSOR WaitCursor::s_previous = nullptr;

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
