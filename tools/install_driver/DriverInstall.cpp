#include "tools/install_driver/DriverInstall.h"

#include <windows.h>

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
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = WriteText(key, "ProductID", options.productId);
    if (!options.directory.empty())
        ok = WriteText(key, "Drivona Directory", options.directory) && ok;
    RegCloseKey(key);
    if (options.helper.empty() || options.directory.empty())
        return ok;
    const std::string system = options.directory + "\\System";
    CreateDirectoryA(options.directory.c_str(), nullptr);
    CreateDirectoryA(system.c_str(), nullptr);
    return CopyFileA(options.helper.c_str(), (system + "\\dv_host.exe").c_str(), FALSE) && ok;
}

void Uninstall()
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSetupKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSetupKey);
}

}  // namespace driver_install
