#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/AdvancedSettings.h"
#include "tests/settings/SettingsTestSupport.h"

namespace {

using expected::kGamingKey;
using expected::kTechnicalKey;

struct Stored {
    HKEY root;
    const char* key;
    const char* name;
    RegValue value;
};

Stored Machine(const char* name, const RegValue& value)
{
    return {HKEY_LOCAL_MACHINE, kTechnicalKey, name, value};
}

Stored User(const char* name, const RegValue& value)
{
    return {HKEY_CURRENT_USER, kTechnicalKey, name, value};
}

Stored GamingValue(const char* name, const RegValue& value)
{
    return {HKEY_CURRENT_USER, kGamingKey, name, value};
}

::testing::AssertionResult Store(const std::vector<Stored>& values)
{
    for (const Stored& stored : values) {
        ::testing::AssertionResult put = PutValue(stored.root, stored.key, stored.name, stored.value);
        if (!put)
            return put;
    }
    return ::testing::AssertionSuccess();
}

using FieldValues = std::vector<std::pair<SettingsField, int>>;

AdvancedSettings DefaultsWith(const FieldValues& changes)
{
    AdvancedSettings settings = expected::DefaultSettings();
    for (const auto& change : changes)
        settings.*change.first = change.second;
    return settings;
}

AdvancedSettings Loaded()
{
    AdvancedSettings settings;
    LoadSettings(settings);
    return settings;
}

const FieldValues kGameOff = {{&AdvancedSettings::m_bGameDetection, 0}};
const FieldValues kSpeedTracking = {{&AdvancedSettings::m_nTrackingMode, 1}};
const FieldValues kWindowsMethod = {{&AdvancedSettings::m_nSpeedAccelMethod, 1},
                                    {&AdvancedSettings::m_nAppliedSpeedAccelMethod, 1}};

// Which key each value is read from. The texts and types of every value are read
// against the plain statement of the rules in tests/robustness.
TEST(LoadSettings, EachValueFromItsOwnKey)
{
    const struct {
        const char* label;
        std::vector<Stored> stored;
        FieldValues changes;  // from the defaults
    } cases[] = {
        {"no keys at all", {}, {}},
        {"keys with unrelated values only",
         {Machine("Other", SzValue("Off")), User("Other", SzValue("Speed")), GamingValue("Other", DwordValue(0))},
         {}},
        {"game scheme on", {Machine("UseTSGameScheme", SzValue("on"))}, {}},
        {"game scheme yes", {Machine("UseTSGameScheme", SzValue("yes"))}, kGameOff},
        {"game scheme only in the user key", {User("UseTSGameScheme", SzValue("Off"))}, {}},
        {"tracking SPEED", {User("OptimizeTracking", SzValue("SPEED"))}, kSpeedTracking},
        {"tracking only in the machine key", {Machine("OptimizeTracking", SzValue("Speed"))}, {}},
        {"tracking only in the gaming key", {GamingValue("OptimizeTracking", SzValue("Speed"))}, {}},
        {"method WINDOWS", {User("SpeedAccelMethod", SzValue("WINDOWS"))}, kWindowsMethod},
        {"method only in the machine key", {Machine("SpeedAccelMethod", SzValue("Windows"))}, {}},
        {"gaming values only in the technical key",
         {User("GamerAcceleration", DwordValue(1)), User("GamerScaling", DwordValue(0)),
          User("GamerMappingKeys", DwordValue(0)), User("GamerMappingButton", DwordValue(0)),
          User("GamerMappingsOther", DwordValue(1)), User("GamerOrientation", DwordValue(0))},
         {}},
        {"everything away from its default",
         {Machine("UseTSGameScheme", SzValue("off")), User("OptimizeTracking", SzValue("speed")),
          User("SpeedAccelMethod", SzValue("windows")), GamingValue("GamerAcceleration", DwordValue(1)),
          GamingValue("GamerScaling", DwordValue(0)), GamingValue("GamerMappingKeys", DwordValue(0)),
          GamingValue("GamerMappingButton", DwordValue(0)), GamingValue("GamerMappingsOther", DwordValue(1)),
          GamingValue("GamerOrientation", DwordValue(0))},
         {{&AdvancedSettings::m_bGameDetection, 0},
          {&AdvancedSettings::m_nTrackingMode, 1},
          {&AdvancedSettings::m_nSpeedAccelMethod, 1},
          {&AdvancedSettings::m_nAppliedSpeedAccelMethod, 1},
          {&AdvancedSettings::m_bKeepAcceleration, 1},
          {&AdvancedSettings::m_bKeepSpeed, 0},
          {&AdvancedSettings::m_bKeepKeystrokes, 0},
          {&AdvancedSettings::m_bKeepButtonMapping, 0},
          {&AdvancedSettings::m_bKeepOtherMappings, 1},
          {&AdvancedSettings::m_bKeepOrientation, 0}}},
    };
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Store(c.stored)) << c.label;
        EXPECT_EQ(Describe(DefaultsWith(c.changes)), Describe(Loaded())) << c.label;
    }
}

AdvancedSettings Record(int game, int tracking, int accel, int speed, int keys, int button, int other, int orientation)
{
    AdvancedSettings settings;
    settings.m_bGameDetection = game;
    settings.m_nTrackingMode = tracking;
    settings.m_bKeepAcceleration = accel;
    settings.m_bKeepSpeed = speed;
    settings.m_bKeepKeystrokes = keys;
    settings.m_bKeepButtonMapping = button;
    settings.m_bKeepOtherMappings = other;
    settings.m_bKeepOrientation = orientation;
    return settings;
}

TEST(SaveSettings, WritesEveryValueWithItsTypeAndBytes)
{
    const struct {
        AdvancedSettings settings;
        RegistryContents machine;
        RegistryContents user;
    } cases[] = {
        {Record(1, 1, 1, 0, 1, 0, 1, 0),
         {{Technical("UseTSGameScheme"), Sz("On")}},
         {{Technical("OptimizeTracking"), Sz("Speed")},
          {Gaming("GamerAcceleration"), Dword(1)},
          {Gaming("GamerScaling"), Dword(0)},
          {Gaming("GamerMappingKeys"), Dword(1)},
          {Gaming("GamerMappingButton"), Dword(0)},
          {Gaming("GamerMappingsOther"), Dword(1)},
          {Gaming("GamerOrientation"), Dword(0)}}},
        {Record(0, 0, 0, 1, 0, 1, 0, 1),
         {{Technical("UseTSGameScheme"), Sz("Off")}},
         {{Technical("OptimizeTracking"), Sz("Precision")},
          {Gaming("GamerAcceleration"), Dword(0)},
          {Gaming("GamerScaling"), Dword(1)},
          {Gaming("GamerMappingKeys"), Dword(0)},
          {Gaming("GamerMappingButton"), Dword(1)},
          {Gaming("GamerMappingsOther"), Dword(0)},
          {Gaming("GamerOrientation"), Dword(1)}}},
    };
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        AdvancedSettings settings = c.settings;
        SaveSettings(settings);
        EXPECT_EQ(Describe(c.settings), Describe(settings));
        EXPECT_EQ(c.machine, Dump(HKEY_LOCAL_MACHINE));
        EXPECT_EQ(c.user, Dump(HKEY_CURRENT_USER));
        EXPECT_EQ(Describe(settings), Describe(Loaded()));
    }
}

// Only 0 is "Off" or "Precision"; every other number is "On" or "Speed".
TEST(SaveSettings, AnyNonZeroFlagOrModeIsOnOrSpeed)
{
    const struct {
        int number;
        const char* gameScheme;
        const char* tracking;
    } cases[] = {
        {0, "Off", "Precision"}, {1, "On", "Speed"}, {2, "On", "Speed"}, {-1, "On", "Speed"}, {INT_MIN, "On", "Speed"}};
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        AdvancedSettings settings = expected::DefaultSettings();
        settings.m_bGameDetection = c.number;
        settings.m_nTrackingMode = c.number;
        SaveSettings(settings);
        EXPECT_EQ(Sz(c.gameScheme), RenderedValue(HKEY_LOCAL_MACHINE, kTechnicalKey, "UseTSGameScheme")) << c.number;
        EXPECT_EQ(Sz(c.tracking), RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "OptimizeTracking")) << c.number;
    }
}

TEST(SaveSettings, ReplacesValuesOfOtherTypes)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(
        Store({Machine("UseTSGameScheme", DwordValue(0)), User("OptimizeTracking", RegValue{REG_BINARY, "Speed"}),
               GamingValue("GamerAcceleration", SzValue("on")), GamingValue("GamerScaling", SzValue("off")),
               GamingValue("GamerMappingKeys", SzValue("OFF")), GamingValue("GamerMappingButton", SzValue("0")),
               GamingValue("GamerMappingsOther", RegValue{REG_EXPAND_SZ, std::string("on\0", 3)}),
               GamingValue("GamerOrientation", RegValue{REG_BINARY, "x"})}));
    AdvancedSettings settings = Loaded();
    EXPECT_EQ(Describe(DefaultsWith({{&AdvancedSettings::m_bKeepAcceleration, 1},
                                     {&AdvancedSettings::m_bKeepSpeed, 0},
                                     {&AdvancedSettings::m_bKeepKeystrokes, 0},
                                     {&AdvancedSettings::m_bKeepButtonMapping, 0}})),
              Describe(settings));
    SaveSettings(settings);
    const RegistryContents user = {
        {Technical("OptimizeTracking"), Sz("Precision")},
        {Gaming("GamerAcceleration"), Dword(1)},
        {Gaming("GamerScaling"), Dword(0)},
        {Gaming("GamerMappingKeys"), Dword(0)},
        {Gaming("GamerMappingButton"), Dword(0)},
        {Gaming("GamerMappingsOther"), Dword(0)},
        {Gaming("GamerOrientation"), Dword(1)},
    };
    EXPECT_EQ(user, Dump(HKEY_CURRENT_USER));
    EXPECT_EQ((RegistryContents{{Technical("UseTSGameScheme"), Sz("On")}}), Dump(HKEY_LOCAL_MACHINE));
}

// The hand-over's values as they stood before a save that must not touch them.
const std::vector<Stored> kEarlierHandOver = {
    Machine("ResetWinModif", SzValue("On")), User("SpeedAccelMethod", SzValue("Driver")),
    User("WindowsSpeed", SzValue("14")),     User("WindowsAccel", SzValue("6,10,1")),
    User("ClearMSAccSet", SzValue("off")),
};

TEST(SaveSettings, WithoutTheSpeedMethodNothingOfTheHandOverIsWritten)
{
    const std::pair<int, int> methods[] = {{1, 0}, {0, 1}, {0, 0}, {1, 1}};
    for (const bool earlier : {false, true}) {
        for (const auto& method : methods) {
            ScratchRegistry scratch;
            if (earlier) {
                ASSERT_TRUE(Store(kEarlierHandOver));
            }
            const RegistryContents machineBefore = Dump(HKEY_LOCAL_MACHINE);
            const RegistryContents userBefore = Dump(HKEY_CURRENT_USER);
            SystemParametersRecorder recorder;
            AdvancedSettings settings = expected::DefaultSettings();
            settings.m_nSpeedAccelMethod = method.first;
            settings.m_nAppliedSpeedAccelMethod = method.second;
            SaveSettings(settings);

            const std::string label = "method " + std::to_string(method.first) + ", applied " +
                                      std::to_string(method.second) + (earlier ? ", earlier values" : "");
            EXPECT_EQ(std::vector<std::string>{}, recorder.Calls()) << label;
            EXPECT_EQ(method.second, settings.m_nAppliedSpeedAccelMethod) << label;
            RegistryContents machine = Dump(HKEY_LOCAL_MACHINE);
            RegistryContents user = Dump(HKEY_CURRENT_USER);
            EXPECT_EQ(Sz("On"), machine[Technical("UseTSGameScheme")]) << label;
            EXPECT_EQ(Sz("Precision"), user[Technical("OptimizeTracking")]) << label;
            machine.erase(Technical("UseTSGameScheme"));
            user.erase(Technical("OptimizeTracking"));
            for (auto it = user.begin(); it != user.end();)
                it = it->first.rfind(Gaming(""), 0) == 0 ? user.erase(it) : std::next(it);
            EXPECT_EQ(machineBefore, machine) << label;
            EXPECT_EQ(userBefore, user) << label;
        }
    }
}

TEST(SaveSettings, SavingTwiceWithTheSameMethodHandsOverOnce)
{
    for (const bool storedWindows : {false, true}) {
        ScratchRegistry scratch;
        if (storedWindows) {
            ASSERT_TRUE(Store({User("SpeedAccelMethod", SzValue("Windows"))}));
        }
        SystemParametersRecorder recorder({true, 14, true, {6, 10, 1}});
        AdvancedSettings settings = Loaded();
        settings.m_bSpeedMethodAvailable = 1;
        settings.m_nSpeedAccelMethod = 0;

        SaveSettings(settings);
        const std::size_t callsOfTheFirstSave = recorder.Calls().size();
        EXPECT_EQ(storedWindows ? 4u : 0u, callsOfTheFirstSave) << storedWindows;
        const RegistryContents machine = Dump(HKEY_LOCAL_MACHINE);
        const RegistryContents user = Dump(HKEY_CURRENT_USER);
        const std::optional<RegValue> method = GetValue(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod");
        EXPECT_EQ(storedWindows ? std::optional<RegValue>(SzValue("Driver")) : std::nullopt, method);

        // The driver changes a stored copy meanwhile: a second save must not overwrite it.
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsSpeed", SzValue("3")));
        RegistryContents userChanged = user;
        if (storedWindows)
            userChanged[Technical("WindowsSpeed")] = Sz("3");
        else
            userChanged.emplace(Technical("WindowsSpeed"), Sz("3"));

        SaveSettings(settings);
        EXPECT_EQ(callsOfTheFirstSave, recorder.Calls().size()) << storedWindows;
        EXPECT_EQ(machine, Dump(HKEY_LOCAL_MACHINE)) << storedWindows;
        EXPECT_EQ(userChanged, Dump(HKEY_CURRENT_USER)) << storedWindows;
        EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod);
    }
}

// A machine key refuses a non-volatile key below it, so nothing can be created there.
TEST(SaveSettings, UserValuesAreStoredWhenTheMachineKeyCannotBeWritten)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Store({User("SpeedAccelMethod", SzValue("Windows"))}));
    HKEY locked = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Locked machine", 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &locked, nullptr));
    ASSERT_TRUE(scratch.OverrideMachine(locked));
    RegCloseKey(locked);
    HKEY probe = nullptr;
    ASSERT_NE(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTechnicalKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &probe, nullptr));
    ASSERT_EQ(nullptr, probe);

    SystemParametersRecorder recorder({true, 14, true, {6, 10, 1}});
    AdvancedSettings settings = Loaded();
    settings.m_bSpeedMethodAvailable = 1;
    settings.m_nSpeedAccelMethod = 0;
    settings.m_nTrackingMode = 1;
    settings.m_bKeepAcceleration = 1;
    SaveSettings(settings);

    EXPECT_EQ(RegistryContents{}, Dump(HKEY_LOCAL_MACHINE));
    const RegistryContents user = {
        {"locked machine\\", "empty key"},
        {Technical("OptimizeTracking"), Sz("Speed")},
        {Technical("SpeedAccelMethod"), Sz("Driver")},
        {Technical("ClearMSAccSet"), Sz("off")},
        {Technical("WindowsSpeed"), Sz("14")},
        {Technical("WindowsAccel"), Sz("6,10,1")},
        {Gaming("GamerAcceleration"), Dword(1)},
        {Gaming("GamerScaling"), Dword(1)},
        {Gaming("GamerMappingKeys"), Dword(1)},
        {Gaming("GamerMappingButton"), Dword(1)},
        {Gaming("GamerMappingsOther"), Dword(0)},
        {Gaming("GamerOrientation"), Dword(1)},
    };
    EXPECT_EQ(user, Dump(HKEY_CURRENT_USER));
    EXPECT_EQ(4u, recorder.Calls().size());
    EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(1, Loaded().m_bGameDetection);
}

}  // namespace
