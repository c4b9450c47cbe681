// A process for the snapshot tests to find: it signals the event named on its command
// line once it runs, then waits until it is killed, or ends by itself after a minute
// so that nothing is left behind.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, commandLine);
    if (ready) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    Sleep(60000);
    return 0;
}
