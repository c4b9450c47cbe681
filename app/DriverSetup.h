// The driver's setup key, which this program only reads.
#pragma once

namespace driver_setup {

constexpr const char* kKey = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Setup";
constexpr const char* kProductId = "ProductID";
constexpr const char* kDirectory = "Drivona Directory";

}  // namespace driver_setup
