#include <string>

#include "common/Text.h"
#include "registry/RegistryKey.h"
#include "settings/AdvancedSettings.h"
#include "settings/PointerHandOver.h"
#include "settings/RegistryLayout.h"

namespace {

// A flag field of the record.

struct GamingValue {
    const char* name;
    SettingsField field;
};

// Read and written in this order.
const GamingValue kGamingValues[] = {
    {layout::kGamerAcceleration, &AdvancedSettings::m_bKeepAcceleration},
    {layout::kGamerScaling, &AdvancedSettings::m_bKeepSpeed},
    {layout::kGamerMappingKeys, &AdvancedSettings::m_bKeepKeystrokes},
    {layout::kGamerMappingButton, &AdvancedSettings::m_bKeepButtonMapping},
    {layout::kGamerMappingsOther, &AdvancedSettings::m_bKeepOtherMappings},
    {layout::kGamerOrientation, &AdvancedSettings::m_bKeepOrientation},
};

AdvancedSettings MakeDefaultSettings()
{
    AdvancedSettings settings;
    settings.m_bGameDetection = 1;
    settings.m_bKeepAcceleration = 0;
    settings.m_bKeepButtonMapping = 1;
    settings.m_bKeepKeystrokes = 1;
    settings.m_bKeepOtherMappings = 0;
    settings.m_bKeepSpeed = 1;
    settings.m_bKeepOrientation = 1;
    settings.m_nTrackingMode = 0;
    settings.m_nSpeedAccelMethod = 0;
    return settings;
}

// 1 when the value reads as `expected` in any letter case, 0 when it reads otherwise,
// `unreadable` when it cannot be read.
int MatchText(const RegistryKey& key, const char* name, const char* expected, int unreadable)
{
    std::string value;
    if (!key.ReadString(name, value))
        return unreadable;
    return text::EqualsIgnoreCase(value.c_str(), expected) ? 1 : 0;
}

}  // namespace

const AdvancedSettings kDefaultSettings = MakeDefaultSettings();

void LoadSettings(AdvancedSettings& settings)
{
    const AdvancedSettings& defaults = kDefaultSettings;
    RegistryKey key(HKEY_LOCAL_MACHINE, layout::kTechnicalKey, true);
    settings.m_bGameDetection =
        MatchText(key, layout::kUseGameScheme, "On", defaults.m_bGameDetection);
    key.Close();

    key.Open(HKEY_CURRENT_USER, layout::kTechnicalKey);
    settings.m_nTrackingMode =
        MatchText(key, layout::kOptimizeTracking, "Speed", defaults.m_nTrackingMode);
    settings.m_nSpeedAccelMethod =
        MatchText(key, layout::kSpeedAccelMethod, "Windows", defaults.m_nSpeedAccelMethod);
    settings.m_nAppliedSpeedAccelMethod = settings.m_nSpeedAccelMethod;
    key.Close();

    key.Open(HKEY_CURRENT_USER, layout::kGamingKey);
    for (const GamingValue& value : kGamingValues)
        key.ReadBool(value.name, settings.*value.field, defaults.*value.field);
}

void SaveSettings(AdvancedSettings& settings)
{
    RegistryKey machineKey(HKEY_LOCAL_MACHINE, layout::kTechnicalKeyForWrite, false);
    RegistryKey userKey(HKEY_CURRENT_USER, layout::kTechnicalKeyForWrite, false);
    machineKey.WriteString(layout::kUseGameScheme, settings.m_bGameDetection ? "On" : "Off");
    userKey.WriteString(layout::kOptimizeTracking,
                        settings.m_nTrackingMode == 0 ? "Precision" : "Speed");
    if (settings.m_bSpeedMethodAvailable)
        HandOverPointerParameters(settings, machineKey, userKey);
    machineKey.Close();
    userKey.Close();

    userKey.Open(HKEY_CURRENT_USER, layout::kGamingKey);
    for (const GamingValue& value : kGamingValues)
        userKey.WriteDword(value.name, static_cast<DWORD>(settings.*value.field));
}
