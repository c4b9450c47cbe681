#include "driver/HelperSearch.h"

#include <windows.h>

#include "process/ProcessList.h"

bool IsProgramRunning(const char* fileName)
{
    ProcessList processes;
    processes.Refresh();
    bool running = false;
    for (DWORD i = 0; i < processes.Count(); ++i) {
        if (lstrcmpiA(fileName, processes.At(i)->BaseName()) == 0)
            running = true;
    }
    return running;
}
