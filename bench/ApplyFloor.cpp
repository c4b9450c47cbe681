// The floor for an Apply click: the program's dialog, whose Apply button makes only the
// calls that every Apply must make. It looks for the helper among the running processes,
// asks it to quit (" /q") when it runs, writes the eight settings values that a save
// writes, waits the helper's 4000 ms and starts the helper again. The values written are
// the defaults, which the program also holds when nobody has changed them. The helper's
// path is read once, at start.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/DriverSetup.h"
#include "driver/HelperPath.h"
#include "driver/HelperSearch.h"
#include "registry/RegistryKey.h"
#include "resources/resource.h"
#include "settings/RegistryLayout.h"

namespace {

const DWORD kRestartDelayMs = 4000;

struct FlagValue {
    const char* name;
    DWORD value;
};

const FlagValue kGamingFlags[] = {
    {layout::kGamerAcceleration, 0},  {layout::kGamerScaling, 1},       {layout::kGamerMappingKeys, 1},
    {layout::kGamerMappingButton, 1}, {layout::kGamerMappingsOther, 0}, {layout::kGamerOrientation, 1},
};

std::string ReadHelperPath()
{
    char directory[MAX_PATH] = {};
    DWORD size = sizeof(directory) - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, driver_setup::kKey, driver_setup::kDirectory, RRF_RT_REG_SZ, nullptr,
                     directory, &size) != ERROR_SUCCESS)
        return std::string();
    return HelperPathBelow(directory);
}

void WriteSettings()
{
    {
        RegistryKey machine(HKEY_LOCAL_MACHINE, layout::kTechnicalKeyForWrite, false);
        RegistryKey user(HKEY_CURRENT_USER, layout::kTechnicalKeyForWrite, false);
        machine.WriteString(layout::kUseGameScheme, "On");
        user.WriteString(layout::kOptimizeTracking, "Precision");
    }
    RegistryKey gaming(HKEY_CURRENT_USER, layout::kGamingKey, false);
    for (const FlagValue& flag : kGamingFlags)
        gaming.WriteDword(flag.name, flag.value);
}

void Apply(const std::string& helper)
{
    if (IsProgramRunning(kHelperFileName))
        ShellExecuteA(nullptr, nullptr, helper.c_str(), " /q", nullptr, SW_SHOW);
    WriteSettings();
    Sleep(kRestartDelayMs);
    ShellExecuteA(nullptr, nullptr, helper.c_str(), nullptr, nullptr, SW_SHOW);
}

INT_PTR CALLBACK ApplyFloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_APPLY:
        Apply(*reinterpret_cast<const std::string*>(GetWindowLongPtrW(dialog, DWLP_USER)));
        return TRUE;
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const std::string helper = ReadHelperPath();
    if (helper.empty())
        return 1;
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ADVANCED_SETTINGS), nullptr, ApplyFloorProc,
                                            reinterpret_cast<LPARAM>(&helper)));
}
