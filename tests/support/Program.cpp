#include "tests/support/Program.h"

#include <cstdlib>

namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring& title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && UnicodeWindowText(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ChildSearch*>(parameter);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, search->className) == 0)
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::string ProgramPath(const char* fileName)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string result = path;
    result.erase(result.find_last_of('\\') + 1);
    return result + fileName;
}

Program::Program(const std::string& path, const std::string& arguments, const char* workingDirectory,
                 DWORD creationFlags)
{
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, creationFlags, nullptr,
                        workingDirectory, &startup, &m_process))
        m_process = {};
}

Program::Program(const std::wstring& path)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process))
        m_process = {};
}

Program::~Program()
{
    if (!Started())
        return;
    Kill();
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

void Program::Kill()
{
    if (HasEnded(0))
        return;
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, 10000);
}

bool Program::HasEnded(DWORD timeoutMs) const
{
    return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        WindowSearch search = {processId, title, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitUntilResponsive(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className)
{
    ChildSearch search = {className, {}};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::wstring UnicodeWindowText(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring FromWindows1252(const char* text)
{
    wchar_t wide[1024] = L"";
    MultiByteToWideChar(1252, 0, text, -1, wide, 1024);
    return wide;
}

UINT AskedCodePage()
{
    const char* asked = getenv("WINE_TEST_CODEPAGE");
    return asked ? static_cast<UINT>(atoi(asked)) : 1252;
}

unsigned long long SystemMilliseconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}
