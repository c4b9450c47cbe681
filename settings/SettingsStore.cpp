#include <string>

#include "common/Text.h"
#include "registry/RegistryKey.h"
#include "settings/AdvancedSettings.h"
#include "settings/PointerHandOver.h"
#include "settings/RegistryLayout.h"

namespace {

struct GamingValue {
    const char* name;
    int AdvancedSettings::*field;
    int defaultValue;
};

// Read and written in this order.
const GamingValue kGamingValues[] = {
    {"GamerAcceleration", &AdvancedSettings::m_bKeepAcceleration, 0},
    {"GamerScaling", &AdvancedSettings::m_bKeepSpeed, 1},
    {"GamerMappingKeys", &AdvancedSettings::m_bKeepKeystrokes, 1},
    {"GamerMappingButton", &AdvancedSettings::m_bKeepButtonMapping, 1},
    {"GamerMappingsOther", &AdvancedSettings::m_bKeepOtherMappings, 0},
    {"GamerOrientation", &AdvancedSettings::m_bKeepOrientation, 1},
};

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

void LoadSettings(AdvancedSettings& settings)
{
    RegistryKey key(HKEY_LOCAL_MACHINE, layout::kTechnicalKey, true);
    settings.m_bGameDetection = MatchText(key, layout::kUseGameScheme, "On", 1);
    key.Close();

    key.Open(HKEY_CURRENT_USER, layout::kTechnicalKey);
    settings.m_nTrackingMode = MatchText(key, layout::kOptimizeTracking, "Speed", 0);
    settings.m_nSpeedAccelMethod = MatchText(key, layout::kSpeedAccelMethod, "Windows", 0);
    settings.m_nAppliedSpeedAccelMethod = settings.m_nSpeedAccelMethod;
    key.Close();

    key.Open(HKEY_CURRENT_USER, layout::kGamingKey);
    for (const GamingValue& value : kGamingValues)
        key.ReadBool(value.name, settings.*value.field, value.defaultValue);
}

void SaveSettings(AdvancedSettings& settings)
{
    RegistryKey machineKey(HKEY_LOCAL_MACHINE, layout::kTechnicalKeyForWrite, false);
    RegistryKey userKey(HKEY_CURRENT_USER, layout::kTechnicalKeyForWrite, false);
    machineKey.WriteString(layout::kUseGameScheme, settings.m_bGameDetection ? "On" : "Off");
    userKey.WriteString(layout::kOptimizeTracking, settings.m_nTrackingMode == 0 ? "Precision" : "Speed");
    if (settings.m_bSpeedMethodAvailable)
        HandOverPointerParameters(settings, machineKey, userKey);
    machineKey.Close();
    userKey.Close();

    userKey.Open(HKEY_CURRENT_USER, layout::kGamingKey);
    for (const GamingValue& value : kGamingValues)
        userKey.WriteDword(value.name, static_cast<DWORD>(settings.*value.field));
}
