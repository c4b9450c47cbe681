// Starting real programs from a test, and finding and reading their windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A file beside the running test program.
std::string ProgramPath(const char* fileName);

// A started process; ended with TerminateProcess when the test lets go of it.
class Program {
public:
    explicit Program(const std::string& path, const std::string& arguments = "",
                     const char* workingDirectory = nullptr);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    bool HasEnded(DWORD timeoutMs) const;
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION m_process = {};
};

// The visible top-level window of that process with exactly this title, or null.
HWND WaitForWindow(DWORD processId, const char* title, DWORD timeoutMs = 15000);
// Waits until the window answers messages again; false when it did not in time.
bool WaitUntilResponsive(HWND window, DWORD timeoutMs);
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
std::string WindowText(HWND window);
// Milliseconds since 1601 on the system clock, as the helper stand-in records them.
unsigned long long SystemMilliseconds();
