// The settings record and its registry store.
#pragma once

#include <windows.h>

struct AdvancedSettings {
    int m_bGameDetection = 0;
    int m_bKeepAcceleration = 0;
    int m_bKeepButtonMapping = 0;
    int m_bKeepKeystrokes = 0;
    int m_bKeepOtherMappings = 0;
    int m_bKeepSpeed = 0;
    int m_bKeepOrientation = 0;
    int m_nTrackingMode = 0;      // 0 precision, 1 speed, -1 none chosen
    int m_nSpeedAccelMethod = 0;  // 0 driver, 1 Windows, -1 none chosen

    int m_bSpeedMethodAvailable = 0;     // the driver can switch the method (set by the dialog)
    int m_nAppliedSpeedAccelMethod = 0;  // the method the registry holds
};

// One field of the record, for the tables that name fields.
using SettingsField = int AdvancedSettings::*;

// The settings a new user has: "Standardeinstellungen wiederherstellen" shows them, and
// loading gives them for every value that the registry does not hold readably.
extern const AdvancedSettings kDefaultSettings;

// Fills every setting and the applied method from the registry; defaults where unreadable.
void LoadSettings(AdvancedSettings& settings);
// Writes the record, handing the pointer parameters over when the method changed.
void SaveSettings(AdvancedSettings& settings);
