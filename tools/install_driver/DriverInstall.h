// Installs the driver stand-in: its setup key and its helper program.
#pragma once

#include <string>

namespace driver_install {

struct Options {
    std::string productId = "9.80";
    std::string directory = "C:\\Program Files\\Drivona";  // empty: no "Drivona Directory" value
    std::string helper;                                    // dv_host.exe to copy; empty: none
};

// Writes "ProductID" and "Drivona Directory" into HKEY_LOCAL_MACHINE and copies the
// helper to where the program starts it, when the directory is one it starts from.
// False when any step failed.
bool Install(const Options& options);

// Removes the setup key.
void Uninstall();

}  // namespace driver_install
