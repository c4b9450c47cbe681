// Stand-in for the driver's helper program dv_host.exe.
//
//   dv_host        keeps running (without a visible window) and records the settings it
//                  read at start; it ends when asked to quit.
//   dv_host /q     asks every running instance to quit, and exits.
//
// Each event is one line in dv_host.log beside the program: tab-separated key=value
// fields, starting with time (milliseconds since 1601, the system clock), pid and event.
#include <windows.h>

#include <string>

#include "settings/RegistryLayout.h"

namespace {

const char kWindowClass[] = "DrivonaHelperStandIn";
const char kLogMutex[] = "DrivonaHelperStandInLog";

struct Setting {
    HKEY root;
    const char* key;
    const char* name;
};

// Every value that the program writes for the driver.
const Setting kSettings[] = {
    {HKEY_LOCAL_MACHINE, layout::kTechnicalKey, layout::kUseGameScheme},
    {HKEY_LOCAL_MACHINE, layout::kTechnicalKey, layout::kResetWinModif},
    {HKEY_CURRENT_USER, layout::kTechnicalKey, layout::kOptimizeTracking},
    {HKEY_CURRENT_USER, layout::kTechnicalKey, layout::kSpeedAccelMethod},
    {HKEY_CURRENT_USER, layout::kTechnicalKey, layout::kWindowsSpeed},
    {HKEY_CURRENT_USER, layout::kTechnicalKey, layout::kWindowsAccel},
    {HKEY_CURRENT_USER, layout::kTechnicalKey, layout::kClearMsAccSet},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerAcceleration},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerScaling},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerMappingKeys},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerMappingButton},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerMappingsOther},
    {HKEY_CURRENT_USER, layout::kGamingKey, layout::kGamerOrientation},
};

unsigned long long Milliseconds(const FILETIME& time)
{
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10000;
}

unsigned long long Now()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return Milliseconds(now);
}

// The value as text: REG_SZ as is, REG_DWORD in decimal, otherwise "<missing>".
std::string ReadSetting(const Setting& setting)
{
    char data[512] = {};
    DWORD size = sizeof(data) - 1;
    DWORD type = REG_NONE;
    if (RegGetValueA(setting.root, setting.key, setting.name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD,
                     &type, data, &size) != ERROR_SUCCESS)
        return "<missing>";
    if (type == REG_DWORD)
        return std::to_string(*reinterpret_cast<DWORD*>(data));
    return data;
}

void Record(const std::string& event, const std::string& fields)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log = path;
    log.erase(log.find_last_of('\\') + 1);
    log += "dv_host.log";
    const std::string line = "time=" + std::to_string(Now()) +
                             "\tpid=" + std::to_string(GetCurrentProcessId()) + "\tevent=" + event +
                             fields + "\r\n";
    // Instances write at the same moment (a quit request and the old instance's exit). An
    // append is not atomic under Wine: two of them can land at the same offset and one line
    // is lost. So instances take turns.
    const HANDLE turn = CreateMutexA(nullptr, FALSE, kLogMutex);
    if (!turn)
        return;
    WaitForSingleObject(turn, INFINITE);  // also when a killed instance abandoned it
    const HANDLE file =
        CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(file);
    }
    ReleaseMutex(turn);
    CloseHandle(turn);
}

BOOL CALLBACK CloseInstance(HWND window, LPARAM count)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpA(name, kWindowClass) == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

int Quit()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    int count = 0;
    EnumWindows(CloseInstance, reinterpret_cast<LPARAM>(&count));
    Record("quit", "\tcreated=" + std::to_string(Milliseconds(created)) +
                       "\tinstances=" + std::to_string(count));
    return 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int Run(HINSTANCE instance)
{
    std::string fields;
    for (const Setting& setting : kSettings)
        fields += std::string("\t") + setting.name + "=" + ReadSetting(setting);
    Record("start", fields);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    // Never shown: it only receives the request to quit.
    CreateWindowExA(0, kWindowClass, "dv_host", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                    nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    Record("exit", "");
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    const std::string arguments = commandLine;
    return arguments.find("/q") != std::string::npos ? Quit() : Run(instance);
}
