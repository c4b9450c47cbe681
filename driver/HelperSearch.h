// Whether a program runs, found by its file name in a snapshot of the processes.
#pragma once

// True when some process's executable has this file name, in any letter case.
bool IsProgramRunning(const char* fileName);
