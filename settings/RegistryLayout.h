// Where the driver keeps the settings: keys and value names, shared with the driver.
#pragma once

namespace layout {

// Read under this spelling, written under kTechnicalKeyForWrite: the same key.
constexpr const char* kTechnicalKey = "Software\\Tessaro\\Drivona\\CurrentVersion\\Technical";
constexpr const char* kTechnicalKeyForWrite = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Technical";
constexpr const char* kGamingKey = "Software\\Tessaro\\Drivona\\CurrentVersion\\Control Center\\Gaming";

// Machine key values.
constexpr const char* kUseGameScheme = "UseTSGameScheme";
constexpr const char* kResetWinModif = "ResetWinModif";

// User key values.
constexpr const char* kOptimizeTracking = "OptimizeTracking";
constexpr const char* kSpeedAccelMethod = "SpeedAccelMethod";
constexpr const char* kWindowsSpeed = "WindowsSpeed";
constexpr const char* kWindowsAccel = "WindowsAccel";
constexpr const char* kClearMsAccSet = "ClearMSAccSet";

}  // namespace layout
