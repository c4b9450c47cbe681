#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "registry/RegistryKey.h"
#include "settings/AdvancedSettings.h"
#include "settings/PointerHandOver.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

using Calls = std::vector<std::string>;
using expected::kTechnicalKey;

const Calls kToDriverCalls = {
    "GETMOUSESPEED ui=0 flags=0",
    "GETMOUSE ui=0 flags=0",
    "SETMOUSESPEED ui=0 pv=10 flags=3",
    "SETMOUSE ui=0 0,0,0 flags=3",
};

// The hand-over's values as they stand during a system call.
std::string HandOverValues()
{
    return "method=" + RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod") +
           " clear=" + RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "ClearMSAccSet") +
           " speed=" + RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsSpeed") +
           " accel=" + RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel") +
           " reset=" + RenderedValue(HKEY_LOCAL_MACHINE, kTechnicalKey, "ResetWinModif");
}

// Runs the hand-over on the keys the store hands it.
void HandOver(AdvancedSettings& settings)
{
    RegistryKey machineKey(HKEY_LOCAL_MACHINE, kTechnicalKey, false);
    RegistryKey userKey(HKEY_CURRENT_USER, kTechnicalKey, false);
    HandOverPointerParameters(settings, machineKey, userKey);
}

AdvancedSettings Switching(int method, int applied)
{
    AdvancedSettings settings = expected::DefaultSettings();
    settings.m_bSpeedMethodAvailable = 1;
    settings.m_nSpeedAccelMethod = method;
    settings.m_nAppliedSpeedAccelMethod = applied;
    return settings;
}

TEST(PointerHandOver, ToTheDriverAndBackThroughTheStore)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod", SzValue("Windows")));
    AdvancedSettings settings;
    LoadSettings(settings);
    ASSERT_EQ(1, settings.m_nAppliedSpeedAccelMethod);
    settings.m_bSpeedMethodAvailable = 1;
    settings.m_nSpeedAccelMethod = 0;
    {
        SystemParametersRecorder recorder({true, 14, true, {6, 10, 1}});
        recorder.observe = HandOverValues;
        SaveSettings(settings);
        EXPECT_EQ(kToDriverCalls, recorder.Calls());
        // Each copy is stored right after its query, and the copies and the driver's
        // flags are in place before the system is neutralised.
        const std::string flags = "method=" + Sz("Driver") + " clear=" + Sz("off");
        const std::string beforeSpeed = flags + " speed=absent accel=absent reset=absent";
        const std::string beforeRecord = flags + " speed=" + Sz("14") + " accel=absent reset=absent";
        const std::string beforeSets = flags + " speed=" + Sz("14") + " accel=" + Sz("6,10,1") + " reset=" + Sz("On");
        EXPECT_EQ((Calls{beforeSpeed, beforeRecord, beforeSets, beforeSets}), recorder.Observed());
    }
    EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(0, settings.m_nSpeedAccelMethod);
    const RegistryContents machineAtDriver = {
        {Technical("UseTSGameScheme"), Sz("On")},
        {Technical("ResetWinModif"), Sz("On")},
    };
    EXPECT_EQ(machineAtDriver, Dump(HKEY_LOCAL_MACHINE));
    RegistryContents user = Dump(HKEY_CURRENT_USER);
    EXPECT_EQ(Sz("Driver"), user[Technical("SpeedAccelMethod")]);
    EXPECT_EQ(Sz("off"), user[Technical("ClearMSAccSet")]);
    EXPECT_EQ(Sz("14"), user[Technical("WindowsSpeed")]);
    EXPECT_EQ(Sz("6,10,1"), user[Technical("WindowsAccel")]);
    EXPECT_EQ(Sz("Precision"), user[Technical("OptimizeTracking")]);
    EXPECT_EQ(5u + 6u, user.size());

    AdvancedSettings reloaded;
    LoadSettings(reloaded);
    EXPECT_EQ(0, reloaded.m_nAppliedSpeedAccelMethod);

    settings.m_nSpeedAccelMethod = 1;
    {
        SystemParametersRecorder recorder({true, 3, true, {7, 7, 7}});
        recorder.observe = HandOverValues;
        SaveSettings(settings);
        EXPECT_EQ((Calls{"SETMOUSESPEED ui=0 pv=14 flags=3", "SETMOUSE ui=0 6,10,1 flags=3"}), recorder.Calls());
        const std::string duringSets = "method=" + Sz("Windows") + " clear=" + Sz("off") + " speed=" + Sz("14") +
                                       " accel=" + Sz("6,10,1") + " reset=" + Sz("On");
        EXPECT_EQ((Calls{duringSets, duringSets}), recorder.Observed());
    }
    EXPECT_EQ(1, settings.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(Sz("Off"), Dump(HKEY_LOCAL_MACHINE)[Technical("ResetWinModif")]);
    user[Technical("SpeedAccelMethod")] = Sz("Windows");
    EXPECT_EQ(user, Dump(HKEY_CURRENT_USER));
    LoadSettings(reloaded);
    EXPECT_EQ(1, reloaded.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(1, reloaded.m_nSpeedAccelMethod);
}

TEST(PointerHandOver, ToWindowsRestoresTheStoredCopies)
{
    const std::string digits64KiB = "1" + std::string(65535, '0');
    const struct {
        const char* label;
        std::optional<RegValue> speed;
        std::optional<RegValue> accel;
        Calls calls;
    } cases[] = {
        {"both copies",
         SzValue("14"),
         SzValue("6,10,1"),
         {"SETMOUSESPEED ui=0 pv=14 flags=3", "SETMOUSE ui=0 6,10,1 flags=3"}},
        {"no copies", std::nullopt, std::nullopt, {}},
        {"speed only", SzValue("14"), std::nullopt, {"SETMOUSESPEED ui=0 pv=14 flags=3"}},
        {"record only", std::nullopt, SzValue("6,10,1"), {"SETMOUSE ui=0 6,10,1 flags=3"}},
        {"two fields", std::nullopt, SzValue("6,10"), {"SETMOUSE ui=0 6,10,0 flags=3"}},
        {"empty record text", std::nullopt, SzValue(""), {"SETMOUSE ui=0 0,0,0 flags=3"}},
        {"record text without data", std::nullopt, RegValue{REG_SZ, ""}, {"SETMOUSE ui=0 0,0,0 flags=3"}},
        {"only commas", std::nullopt, SzValue(",,,"), {"SETMOUSE ui=0 0,0,0 flags=3"}},
        {"empty fields", std::nullopt, SzValue(",,6,,10,"), {"SETMOUSE ui=0 6,10,0 flags=3"}},
        {"four fields", std::nullopt, SzValue("1,2,3,4"), {"SETMOUSE ui=0 1,2,3 flags=3"}},
        {"blanks and signs", std::nullopt, SzValue(" 6, -10 ,+1x"), {"SETMOUSE ui=0 6,-10,1 flags=3"}},
        {"huge fields",
         std::nullopt,
         SzValue("99999999999999999999,-99999999999999999999,5"),
         {"SETMOUSE ui=0 2147483647,-2147483648,5 flags=3"}},
        {"huge speed", SzValue("99999999999999999999"), std::nullopt, {"SETMOUSESPEED ui=0 pv=2147483647 flags=3"}},
        {"huge negative speed",
         SzValue("-99999999999999999999"),
         std::nullopt,
         {"SETMOUSESPEED ui=0 pv=-2147483648 flags=3"}},
        {"64 KiB of digits",
         SzValue(digits64KiB),
         SzValue(std::string(65536, ',') + "6"),
         {"SETMOUSESPEED ui=0 pv=2147483647 flags=3", "SETMOUSE ui=0 6,0,0 flags=3"}},
        {"speed that is no number", SzValue("fast"), std::nullopt, {"SETMOUSESPEED ui=0 pv=0 flags=3"}},
        {"speed with a tail", SzValue(" 12abc"), std::nullopt, {"SETMOUSESPEED ui=0 pv=12 flags=3"}},
        {"empty speed text", SzValue(""), std::nullopt, {"SETMOUSESPEED ui=0 pv=0 flags=3"}},
        {"copies of other types", DwordValue(14), RegValue{REG_EXPAND_SZ, std::string("6,10,1\0", 7)}, {}},
        {"copies as bytes", RegValue{REG_BINARY, "14"}, RegValue{REG_BINARY, std::string(65536, '\x01')}, {}},
    };
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        RegistryContents user;
        if (c.speed) {
            ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsSpeed", *c.speed));
            user[Technical("WindowsSpeed")] = Render(*c.speed);
        }
        if (c.accel) {
            ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel", *c.accel));
            user[Technical("WindowsAccel")] = Render(*c.accel);
        }
        user[Technical("SpeedAccelMethod")] = Sz("Windows");

        SystemParametersRecorder recorder({true, 3, true, {7, 7, 7}});
        AdvancedSettings settings = Switching(1, 0);
        HandOver(settings);
        EXPECT_EQ(c.calls, recorder.Calls()) << c.label;
        EXPECT_EQ(1, settings.m_nAppliedSpeedAccelMethod) << c.label;
        EXPECT_EQ(1, settings.m_nSpeedAccelMethod) << c.label;
        EXPECT_EQ(user, Dump(HKEY_CURRENT_USER)) << c.label;
        EXPECT_EQ((RegistryContents{{Technical("ResetWinModif"), Sz("Off")}}), Dump(HKEY_LOCAL_MACHINE)) << c.label;
    }
}

TEST(PointerHandOver, ToTheDriverStoresOnlyWhatTheSystemReported)
{
    using Answers = SystemParametersRecorder::Answers;
    const struct {
        const char* label;
        Answers answers;
        bool earlierCopies;  // "7" and "1,2,3"
        std::optional<std::string> speed;
        std::optional<std::string> accel;
    } cases[] = {
        {"both reported", {true, 14, true, {6, 10, 1}}, false, "14", "6,10,1"},
        {"both reported over earlier copies", {true, 14, true, {6, 10, 1}}, true, "14", "6,10,1"},
        {"slowest, no acceleration", {true, 1, true, {0, 0, 0}}, false, "1", "0,0,0"},
        {"extreme numbers", {true, -1, true, {INT_MIN, INT_MAX, -7}}, false, "-1", "-2147483648,2147483647,-7"},
        {"speed query fails", {false, 14, true, {6, 10, 1}}, false, std::nullopt, "6,10,1"},
        {"speed query fails, earlier copy", {false, 14, true, {6, 10, 1}}, true, "7", "6,10,1"},
        {"record query fails", {true, 14, false, {6, 10, 1}}, false, "14", std::nullopt},
        {"record query fails, earlier copy", {true, 14, false, {6, 10, 1}}, true, "14", "1,2,3"},
        {"both fail", {false, 14, false, {6, 10, 1}}, false, std::nullopt, std::nullopt},
        {"both fail, earlier copies", {false, 14, false, {6, 10, 1}}, true, "7", "1,2,3"},
    };
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        if (c.earlierCopies) {
            ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsSpeed", SzValue("7")));
            ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel", SzValue("1,2,3")));
        }
        SystemParametersRecorder recorder(c.answers);
        AdvancedSettings settings = Switching(0, 1);
        HandOver(settings);

        EXPECT_EQ(kToDriverCalls, recorder.Calls()) << c.label;
        EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod) << c.label;
        RegistryContents user = {
            {Technical("SpeedAccelMethod"), Sz("Driver")},
            {Technical("ClearMSAccSet"), Sz("off")},
        };
        if (c.speed)
            user[Technical("WindowsSpeed")] = Sz(*c.speed);
        if (c.accel)
            user[Technical("WindowsAccel")] = Sz(*c.accel);
        EXPECT_EQ(user, Dump(HKEY_CURRENT_USER)) << c.label;
        EXPECT_EQ((RegistryContents{{Technical("ResetWinModif"), Sz("On")}}), Dump(HKEY_LOCAL_MACHINE)) << c.label;
    }
}

TEST(PointerHandOver, NothingUnlessTheMethodSwitchesBetweenDriverAndWindows)
{
    const std::pair<int, int> methods[] = {{0, 0}, {1, 1}, {2, 0},  {2, 1},  {-1, 0}, {-1, 1},
                                           {1, 2}, {0, 2}, {0, -1}, {1, -1}, {2, 2}};
    for (const auto& method : methods) {
        ScratchRegistry scratch;
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsSpeed", SzValue("14")));
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel", SzValue("6,10,1")));
        ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, kTechnicalKey, "ResetWinModif", SzValue("On")));
        const RegistryContents machine = Dump(HKEY_LOCAL_MACHINE);
        const RegistryContents user = Dump(HKEY_CURRENT_USER);

        SystemParametersRecorder recorder({true, 3, true, {7, 7, 7}});
        AdvancedSettings settings = Switching(method.first, method.second);
        HandOver(settings);
        const std::string label = std::to_string(method.first) + " over " + std::to_string(method.second);
        EXPECT_EQ(Calls{}, recorder.Calls()) << label;
        EXPECT_EQ(method.first, settings.m_nSpeedAccelMethod) << label;
        EXPECT_EQ(method.second, settings.m_nAppliedSpeedAccelMethod) << label;
        EXPECT_EQ(machine, Dump(HKEY_LOCAL_MACHINE)) << label;
        EXPECT_EQ(user, Dump(HKEY_CURRENT_USER)) << label;
    }
}

// Keys that could not be opened: the writes fail silently, the system is still
// handed over and the state still changes.
TEST(PointerHandOver, KeysThatFailedToOpen)
{
    ScratchRegistry scratch;
    SystemParametersRecorder recorder({true, 14, true, {6, 10, 1}});
    RegistryKey machineKey(HKEY_LOCAL_MACHINE, "Missing", true);
    RegistryKey userKey(HKEY_CURRENT_USER, "Missing", true);
    ASSERT_FALSE(machineKey.IsOpen());
    AdvancedSettings settings = Switching(0, 1);
    HandOverPointerParameters(settings, machineKey, userKey);
    EXPECT_EQ(kToDriverCalls, recorder.Calls());
    EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod);
    settings.m_nSpeedAccelMethod = 1;
    HandOverPointerParameters(settings, machineKey, userKey);
    EXPECT_EQ(kToDriverCalls, recorder.Calls());
    EXPECT_EQ(1, settings.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(RegistryContents{}, Dump(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(RegistryContents{}, Dump(HKEY_CURRENT_USER));
}

}  // namespace
