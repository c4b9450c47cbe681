#include "settings/PointerHandOver.h"

#include <string>

#include "common/Text.h"
#include "settings/MouseRecordText.h"
#include "settings/RegistryLayout.h"

namespace {

SystemParametersFunction g_systemParameters = &SystemParametersInfoA;

constexpr UINT kStoreAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
constexpr int kNeutralSpeed = 10;

// The speed travels in the pointer argument itself, not through it.
void SetMouseSpeed(int speed)
{
    g_systemParameters(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                       kStoreAndBroadcast);
}

void SetMouseRecord(MouseRecord record)
{
    g_systemParameters(SPI_SETMOUSE, 0, record.data(), kStoreAndBroadcast);
}

void SwitchToWindows(RegistryKey& machineKey, RegistryKey& userKey)
{
    userKey.WriteString(layout::kSpeedAccelMethod, "Windows");
    std::string stored;
    if (userKey.ReadString(layout::kWindowsSpeed, stored))
        SetMouseSpeed(text::ToInt(stored.c_str()));
    if (userKey.ReadString(layout::kWindowsAccel, stored))
        SetMouseRecord(MouseRecordFromText(stored));
    machineKey.WriteString(layout::kResetWinModif, "Off");
}

// A value the system did not report is never stored: an earlier copy stays.
void SwitchToDriver(RegistryKey& machineKey, RegistryKey& userKey)
{
    userKey.WriteString(layout::kSpeedAccelMethod, "Driver");
    userKey.WriteString(layout::kClearMsAccSet, "off");
    int speed = 0;
    if (g_systemParameters(SPI_GETMOUSESPEED, 0, &speed, 0))
        userKey.WriteString(layout::kWindowsSpeed, std::to_string(speed));
    MouseRecord record = {0, 0, 0};
    if (g_systemParameters(SPI_GETMOUSE, 0, record.data(), 0))
        userKey.WriteString(layout::kWindowsAccel, MouseRecordToText(record));
    machineKey.WriteString(layout::kResetWinModif, "On");
    SetMouseSpeed(kNeutralSpeed);
    SetMouseRecord({0, 0, 0});
}

}  // namespace

void HandOverPointerParameters(AdvancedSettings& settings, RegistryKey& machineKey,
                               RegistryKey& userKey)
{
    if (settings.m_nSpeedAccelMethod == 1 && settings.m_nAppliedSpeedAccelMethod == 0) {
        SwitchToWindows(machineKey, userKey);
        settings.m_nAppliedSpeedAccelMethod = 1;
    } else if (settings.m_nSpeedAccelMethod == 0 && settings.m_nAppliedSpeedAccelMethod == 1) {
        SwitchToDriver(machineKey, userKey);
        settings.m_nAppliedSpeedAccelMethod = 0;
    }
}

SystemParametersFunction SetSystemParametersFunction(SystemParametersFunction function)
{
    const SystemParametersFunction previous = g_systemParameters;
    g_systemParameters = function;
    return previous;
}
