// Against the system's own pointer parameters, without a recorder. Only the
// acceleration record is checked: Wine takes the speed of SPI_SETMOUSESPEED from
// the integer argument, while the hand-over passes it in the pointer argument.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/AdvancedSettings.h"
#include "settings/MouseRecordText.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

const char* const kMouseKey = "Control Panel\\Mouse";
const char* const kMouseValues[] = {"MouseThreshold1", "MouseThreshold2", "MouseSpeed", "MouseSensitivity"};

MouseRecord SystemRecord()
{
    MouseRecord record = {-1, -1, -1};
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETMOUSE, 0, record.data(), 0));
    return record;
}

// Puts the prefix's pointer settings back as they were, in the system and in the
// registry, once the test's scratch registry is gone.
class MouseSettingsKeeper {
public:
    MouseSettingsKeeper()
    {
        m_record = SystemRecord();
        EXPECT_TRUE(SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &m_speed, 0));
        for (const char* name : kMouseValues)
            m_values.push_back(GetValue(HKEY_CURRENT_USER, kMouseKey, name));
    }

    ~MouseSettingsKeeper()
    {
        constexpr UINT kStore = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
        SystemParametersInfoA(SPI_SETMOUSE, 0, m_record.data(), kStore);
        // Both arguments: Windows reads the pointer one, Wine the integer one.
        SystemParametersInfoA(SPI_SETMOUSESPEED, static_cast<UINT>(m_speed),
                              reinterpret_cast<PVOID>(static_cast<INT_PTR>(m_speed)), kStore);
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kMouseKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return;
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            if (!m_values[i]) {
                RegDeleteValueA(key, kMouseValues[i]);
                continue;
            }
            RegSetValueExA(key, kMouseValues[i], 0, m_values[i]->type,
                           reinterpret_cast<const BYTE*>(m_values[i]->data.data()),
                           static_cast<DWORD>(m_values[i]->data.size()));
        }
        RegCloseKey(key);
    }

    MouseSettingsKeeper(const MouseSettingsKeeper&) = delete;
    MouseSettingsKeeper& operator=(const MouseSettingsKeeper&) = delete;

private:
    MouseRecord m_record = {0, 0, 0};
    int m_speed = 0;
    std::vector<std::optional<RegValue>> m_values;
};

TEST(SystemPointerParameters, AccelerationRecordRoundTrip)
{
    MouseSettingsKeeper keeper;
    MouseRecord record = {6, 10, 1};
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETMOUSE, 0, record.data(), 0));
    ASSERT_EQ(record, SystemRecord());

    ScratchRegistry scratch;
    ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, expected::kTechnicalKey, "SpeedAccelMethod", SzValue("Windows")));
    AdvancedSettings settings;
    LoadSettings(settings);
    settings.m_bSpeedMethodAvailable = 1;

    settings.m_nSpeedAccelMethod = 0;
    SaveSettings(settings);
    EXPECT_EQ((MouseRecord{0, 0, 0}), SystemRecord());
    EXPECT_EQ(SzValue("6,10,1"), GetValue(HKEY_CURRENT_USER, expected::kTechnicalKey, "WindowsAccel"));

    settings.m_nSpeedAccelMethod = 1;
    SaveSettings(settings);
    EXPECT_EQ((MouseRecord{6, 10, 1}), SystemRecord());
    EXPECT_EQ(1, settings.m_nAppliedSpeedAccelMethod);
}

}  // namespace
