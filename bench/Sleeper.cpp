// One more running process for the process-scan benchmark: it says that it is up,
// then waits until it is ended.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const HANDLE ready = OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, "DrivonaBenchSleepersReady");
    if (ready) {
        ReleaseSemaphore(ready, 1, nullptr);
        CloseHandle(ready);
    }
    Sleep(INFINITE);
    return 0;
}
