#include "tools/install_driver/DriverInstall.h"

#include <windows.h>

#include "app/DriverSetup.h"
#include "driver/HelperPath.h"

namespace driver_install {

namespace {

bool WriteText(HKEY key, const char* name, const std::string& value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

bool Install(const Options& options)
{
    Uninstall();
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, driver_setup::kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = WriteText(key, driver_setup::kProductId, options.productId);
    if (!options.directory.empty())
        ok = WriteText(key, driver_setup::kDirectory, options.directory) && ok;
    RegCloseKey(key);
    const std::string target = HelperPathBelow(options.directory);
    if (options.helper.empty() || target.empty())
        return ok;
    const std::string system = target.substr(0, target.find_last_of('\\'));
    CreateDirectoryA(options.directory.c_str(), nullptr);
    CreateDirectoryA(system.c_str(), nullptr);
    return CopyFileA(options.helper.c_str(), target.c_str(), FALSE) && ok;
}

void Uninstall()
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, driver_setup::kKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, driver_setup::kKey);
}

}  // namespace driver_install
