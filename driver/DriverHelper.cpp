// Apply and OK: the settings are written while the driver's helper program is
// stopped, and the helper is started again afterwards so that it reads them afresh.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/DriverSetup.h"
#include "driver/HelperPath.h"
#include "driver/HelperSearch.h"
#include "framework/WaitCursor.h"
#include "registry/RegistryKey.h"
#include "settings/AdvancedSettingsDialog.h"

namespace {

const char kQuitParameters[] = " /q";
// All the time the old instance gets to quit before the new one starts.
const DWORD kRestartDelayMs = 4000;

// The helper below the driver's install directory, read afresh on every start.
// Empty when the driver names no absolute directory: nothing is started then.
std::string HelperPath()
{
    RegistryKey setup(HKEY_LOCAL_MACHINE, driver_setup::kKey, true);
    std::string directory;
    setup.ReadString(driver_setup::kDirectory, directory);
    return HelperPathBelow(directory);
}

void StartHelper(const char* parameters)
{
    const std::string path = HelperPath();
    if (!path.empty())
        ShellExecuteA(nullptr, nullptr, path.c_str(), parameters, nullptr, SW_SHOW);
}

}  // namespace

void AdvancedSettingsDialog::OnApply()
{
    framework::WaitCursor wait;
    if (IsHelperRunning())
        QuitHelper();
    StoreSettings();
    Sleep(kRestartDelayMs);
    LaunchHelper();
}

void AdvancedSettingsDialog::OnOkClicked()
{
    OnApply();
    OnOK();
}

bool AdvancedSettingsDialog::IsHelperRunning()
{
    return IsProgramRunning(kHelperFileName);
}

void AdvancedSettingsDialog::QuitHelper()
{
    StartHelper(kQuitParameters);
}

void AdvancedSettingsDialog::LaunchHelper()
{
    StartHelper(nullptr);
}
