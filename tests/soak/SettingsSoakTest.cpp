// Loading and saving the settings over and over, switching the speed method every
// time so that the pointer hand-over runs on each save.
#include <gtest/gtest.h>

#include "settings/AdvancedSettings.h"
#include "settings/PointerHandOver.h"
#include "tests/soak/ResourceMeter.h"
#include "tests/support/ScratchRegistry.h"

namespace {

int g_systemCalls = 0;

// Stands in for the system's pointer parameters, which the soak must not hammer.
BOOL WINAPI CountSystemCall(UINT action, UINT, PVOID pvParam, UINT)
{
    ++g_systemCalls;
    if (action == SPI_GETMOUSESPEED)
        *static_cast<int*>(pvParam) = 10;
    if (action == SPI_GETMOUSE) {
        int* record = static_cast<int*>(pvParam);
        record[0] = 6;
        record[1] = 10;
        record[2] = 1;
    }
    return TRUE;
}

class SystemCallCounter {
public:
    SystemCallCounter() : m_previous(SetSystemParametersFunction(&CountSystemCall)) { g_systemCalls = 0; }
    ~SystemCallCounter() { SetSystemParametersFunction(m_previous); }

    SystemCallCounter(const SystemCallCounter&) = delete;
    SystemCallCounter& operator=(const SystemCallCounter&) = delete;

private:
    SystemParametersFunction m_previous;
};

TEST(SettingsSoak, ThousandLoadsAndSavesWithTheHandOver)
{
    constexpr int kCycles = 1000;
    ScratchRegistry scratch;
    SystemCallCounter counter;
    int unexpectedMethods = 0;
    const ResourceTrend trend = Soak(kCycles, 10, [&](int i) {
        AdvancedSettings settings;
        LoadSettings(settings);
        // The method starts missing (the driver) and each save switches it.
        unexpectedMethods += settings.m_nAppliedSpeedAccelMethod != i % 2;
        settings.m_bSpeedMethodAvailable = 1;
        settings.m_nSpeedAccelMethod = 1 - settings.m_nAppliedSpeedAccelMethod;
        settings.m_bGameDetection = i % 2;
        settings.m_nTrackingMode = i % 3 == 0;
        settings.m_bKeepSpeed = i % 5 == 0;
        SaveSettings(settings);
    });
    EXPECT_EQ(0, unexpectedMethods);
    // To the driver: two queries and two settings. To Windows: the two kept values
    // are set again, except on the first switch, when none are kept yet.
    EXPECT_EQ(kCycles / 2 * 4 + (kCycles / 2 - 1) * 2, g_systemCalls);
    ExpectNoGrowth(trend, "1000 LoadSettings/SaveSettings");
}

}  // namespace
