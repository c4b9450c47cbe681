// The floor for start-up: the program's dialog, started with only the calls that every
// start must make. Before the dialog it reads the driver's "ProductID"; in the dialog it
// centres the window in the work area, sets every check box and radio button from a
// record of zeros, as the dialog's first push does, sets the icon at both sizes, reads the
// nine settings values, sets every check box and radio button again and enables or
// disables the controls that depend on the settings. OK and Cancel end it. Like the program, which
// restarts the driver's helper with ShellExecuteA, it imports SHELL32, whose start is part
// of every start; it keeps the function's address and never calls it.
#include <windows.h>
#include <shellapi.h>

#include <iterator>
#include <string>

#include "app/DriverSetup.h"
#include "app/VersionRule.h"
#include "framework/DialogBase.h"
#include "resources/resource.h"
#include "settings/RegistryLayout.h"

namespace {

// Written at start and never read: the store keeps the import of SHELL32.
decltype(&ShellExecuteA) volatile g_shellExecute = nullptr;

struct GamingFlag {
    const char* name;
    int id;
    bool byDefault;
};

// The gaming key's values, each shown by one check box.
const GamingFlag kGamingFlags[] = {
    {layout::kGamerAcceleration, IDC_KEEP_ACCELERATION, false},
    {layout::kGamerScaling, IDC_KEEP_SPEED, true},
    {layout::kGamerMappingKeys, IDC_KEEP_KEYSTROKES, true},
    {layout::kGamerMappingButton, IDC_KEEP_BUTTON_MAPPING, true},
    {layout::kGamerMappingsOther, IDC_KEEP_OTHER_MAPPINGS, false},
    {layout::kGamerOrientation, IDC_KEEP_ORIENTATION, true},
};

// What decides the check states and the enabled controls.
struct Settings {
    bool speedMethodAvailable = false;
    bool gameDetection = true;
    bool trackingSpeed = false;
    bool windowsMethod = false;
    bool gamingFlags[std::size(kGamingFlags)] = {};
};

// A key opened for reading; closed when it goes out of scope.
class ReadKey {
public:
    ReadKey(HKEY root, const char* subKey)
    {
        if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~ReadKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    ReadKey(const ReadKey&) = delete;
    ReadKey& operator=(const ReadKey&) = delete;

    // Whether the REG_SZ value reads as `expected` in any letter case; `unreadable` otherwise.
    bool TextIs(const char* name, const char* expected, bool unreadable) const
    {
        char text[64] = {};
        DWORD size = sizeof(text) - 1;
        DWORD type = REG_NONE;
        if (!m_key ||
            RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return unreadable;
        return lstrcmpiA(text, expected) == 0;
    }

    bool ReadFlag(const char* name, bool unreadable) const
    {
        DWORD value = 0;
        DWORD size = sizeof(value);
        DWORD type = REG_NONE;
        if (!m_key ||
            RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            return unreadable;
        return value != 0;
    }

private:
    HKEY m_key = nullptr;
};

std::string ReadProductId()
{
    char productId[64] = {};
    DWORD size = sizeof(productId) - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, driver_setup::kKey, driver_setup::kProductId, RRF_RT_REG_SZ, nullptr,
                     productId, &size) != ERROR_SUCCESS)
        return std::string();
    return productId;
}

void ReadSettings(Settings& settings)
{
    settings.gameDetection =
        ReadKey(HKEY_LOCAL_MACHINE, layout::kTechnicalKey).TextIs(layout::kUseGameScheme, "On", true);
    const ReadKey technical(HKEY_CURRENT_USER, layout::kTechnicalKey);
    settings.trackingSpeed = technical.TextIs(layout::kOptimizeTracking, "Speed", false);
    settings.windowsMethod = technical.TextIs(layout::kSpeedAccelMethod, "Windows", false);
    const ReadKey gaming(HKEY_CURRENT_USER, layout::kGamingKey);
    for (size_t i = 0; i < std::size(kGamingFlags); ++i)
        settings.gamingFlags[i] = gaming.ReadFlag(kGamingFlags[i].name, kGamingFlags[i].byDefault);
}

void CheckButtons(HWND dialog, const Settings& settings)
{
    const struct {
        int id;
        bool checked;
    } checks[] = {
        {IDC_GAME_DETECTION, settings.gameDetection}, {IDC_TRACKING_PRECISION, !settings.trackingSpeed},
        {IDC_TRACKING_SPEED, settings.trackingSpeed}, {IDC_METHOD_DRIVER, !settings.windowsMethod},
        {IDC_METHOD_WINDOWS, settings.windowsMethod},
    };
    for (const auto& check : checks)
        CheckDlgButton(dialog, check.id, check.checked ? BST_CHECKED : BST_UNCHECKED);
    for (size_t i = 0; i < std::size(kGamingFlags); ++i)
        CheckDlgButton(dialog, kGamingFlags[i].id, settings.gamingFlags[i] ? BST_CHECKED : BST_UNCHECKED);
}

void EnableControls(HWND dialog, const Settings& settings)
{
    const bool gameMode = settings.gameDetection;
    const bool gameModeWithDriverMethod = gameMode && !settings.windowsMethod;
    const struct {
        int id;
        bool enabled;
    } enables[] = {
        {IDC_GAME_MODE_GROUP, gameMode},
        {IDC_KEEP_ACCELERATION, gameModeWithDriverMethod},
        {IDC_KEEP_BUTTON_MAPPING, gameMode},
        {IDC_KEEP_KEYSTROKES, gameMode},
        {IDC_KEEP_OTHER_MAPPINGS, gameMode},
        {IDC_KEEP_SPEED, gameModeWithDriverMethod},
        {IDC_KEEP_ORIENTATION, gameMode},
        {IDC_SPEED_METHOD_GROUP, settings.speedMethodAvailable},
        {IDC_METHOD_DRIVER, settings.speedMethodAvailable},
        {IDC_METHOD_WINDOWS, settings.speedMethodAvailable},
    };
    for (const auto& enable : enables)
        EnableWindow(GetDlgItem(dialog, enable.id), enable.enabled);
}

INT_PTR CALLBACK StartupFloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        framework::CenterInWorkArea(dialog);
        Settings zero;  // the dialog's first push: every check box cleared, each radio group on its first button
        zero.gameDetection = false;
        CheckButtons(dialog, zero);
        const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
        SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        Settings settings;
        settings.speedMethodAvailable = lParam != 0;
        ReadSettings(settings);
        CheckButtons(dialog, settings);
        EnableControls(dialog, settings);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_shellExecute = &ShellExecuteA;
    const std::string productId = ReadProductId();
    if (!IsVersionAtLeast(productId, 76))
        return 1;
    const LPARAM speedMethodAvailable = IsVersionAtLeast(productId, 80) ? 1 : 0;
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ADVANCED_SETTINGS), nullptr,
                                            StartupFloorProc, speedMethodAvailable));
}
