// Starting real programs from a test or a measurement, and finding and reading their
// windows. Needs nothing of GoogleTest.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A file beside the running program.
std::string ProgramPath(const char* fileName);

// A started process; ended with TerminateProcess when it is let go of while it runs.
class Program {
public:
    // creationFlags: CreateProcess's (DEBUG_ONLY_THIS_PROCESS: a debuggee of the calling thread).
    explicit Program(const std::string& path, const std::string& arguments = "", const char* workingDirectory = nullptr,
                     DWORD creationFlags = 0);
    // A program whose path the ANSI code page may not be able to write.
    explicit Program(const std::wstring& path);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD Id() const { return m_process.dwProcessId; }
    bool HasEnded(DWORD timeoutMs) const;
    DWORD ExitCode() const;
    // Terminates the process and waits until it has ended.
    void Kill();

private:
    PROCESS_INFORMATION m_process = {};
};

// The visible top-level window of that process with exactly this title, or null.
HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs = 15000);
// Waits until the window answers messages again; false when it did not in time.
bool WaitUntilResponsive(HWND window, DWORD timeoutMs);
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
std::string WindowText(HWND window);
// The window's text as the user sees it, whatever the session's ANSI code page.
std::wstring UnicodeWindowText(HWND window);
std::wstring FromWindows1252(const char* text);
// The ANSI code page that the test group's Wine sessions start with (WINE_TEST_CODEPAGE), 1252 unless set.
UINT AskedCodePage();
// Milliseconds since 1601 on the system clock, as the helper stand-in records them.
unsigned long long SystemMilliseconds();
