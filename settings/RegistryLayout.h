// Where the driver keeps the settings: keys and value names, shared with the driver
// and with its stand-in in tools/.
#pragma once

namespace layout {

// Read under this spelling, written under kTechnicalKeyForWrite: the same key.
constexpr const char* kTechnicalKey = "Software\\Tessaro\\Drivona\\CurrentVersion\\Technical";
constexpr const char* kTechnicalKeyForWrite =
    "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Technical";
constexpr const char* kGamingKey =
    "Software\\Tessaro\\Drivona\\CurrentVersion\\Control Center\\Gaming";

// Machine key values.
constexpr const char* kUseGameScheme = "UseTSGameScheme";
constexpr const char* kResetWinModif = "ResetWinModif";

// User key values.
constexpr const char* kOptimizeTracking = "OptimizeTracking";
constexpr const char* kSpeedAccelMethod = "SpeedAccelMethod";
constexpr const char* kWindowsSpeed = "WindowsSpeed";
constexpr const char* kWindowsAccel = "WindowsAccel";
constexpr const char* kClearMsAccSet = "ClearMSAccSet";

// Gaming key values: what the driver's game mode keeps, one REG_DWORD flag each.
constexpr const char* kGamerAcceleration = "GamerAcceleration";
constexpr const char* kGamerScaling = "GamerScaling";
constexpr const char* kGamerMappingKeys = "GamerMappingKeys";
constexpr const char* kGamerMappingButton = "GamerMappingButton";
constexpr const char* kGamerMappingsOther = "GamerMappingsOther";
constexpr const char* kGamerOrientation = "GamerOrientation";

}  // namespace layout
