#include "app/DriverVersion.h"

#include <string>

#include "app/DriverSetup.h"
#include "app/VersionRule.h"
#include "registry/RegistryKey.h"

namespace {

bool InstalledVersionAtLeast(int minorThreshold)
{
    RegistryKey setup(HKEY_LOCAL_MACHINE, driver_setup::kKey, true);
    std::string productId;
    return setup.ReadString(driver_setup::kProductId, productId) &&
           IsVersionAtLeast(productId, minorThreshold);
}

}  // namespace

bool IsDriverSupported()
{
    return InstalledVersionAtLeast(76);
}

bool IsSpeedMethodSupported()
{
    return InstalledVersionAtLeast(80);
}
