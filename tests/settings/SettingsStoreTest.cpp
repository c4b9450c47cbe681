#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/AdvancedSettings.h"
#include "tests/settings/SettingsTestSupport.h"
#include "tests/support/ScratchRegistry.h"

namespace {

struct Stored {
    HKEY root;
    const char* key;
    const char* name;
    RegValue value;
};

Stored Machine(const char* name, const RegValue& value)
{
    return {HKEY_LOCAL_MACHINE, kTechnicalPath, name, value};
}

Stored User(const char* name, const RegValue& value)
{
    return {HKEY_CURRENT_USER, kTechnicalPath, name, value};
}

Stored Gaming(const char* name, const RegValue& value)
{
    return {HKEY_CURRENT_USER, kGamingPath, name, value};
}

void Store(const std::vector<Stored>& values)
{
    for (const Stored& stored : values)
        PutValue(stored.root, stored.key, stored.name, stored.value);
}

using Field = int AdvancedSettings::*;
using FieldValues = std::vector<std::pair<Field, int>>;

AdvancedSettings DefaultsWith(const FieldValues& changes)
{
    AdvancedSettings settings = DefaultSettings();
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

RegValue NoData(DWORD type)
{
    return {type, ""};
}

const std::string k64KiB(65536, 'x');

const FieldValues kGameOff = {{&AdvancedSettings::m_bGameDetection, 0}};
const FieldValues kSpeedTracking = {{&AdvancedSettings::m_nTrackingMode, 1}};
const FieldValues kWindowsMethod = {{&AdvancedSettings::m_nSpeedAccelMethod, 1},
                                    {&AdvancedSettings::m_nAppliedSpeedAccelMethod, 1}};

TEST(LoadSettings, TextsOfTheTechnicalKeys)
{
    const struct {
        const char* label;
        std::vector<Stored> stored;
        FieldValues changes;  // from the defaults
    } cases[] = {
        {"no keys at all", {}, {}},
        {"keys with unrelated values only",
         {Machine("Other", SzValue("Off")), User("Other", SzValue("Speed")), Gaming("Other", DwordValue(0))},
         {}},

        {"game scheme On", {Machine("UseTSGameScheme", SzValue("On"))}, {}},
        {"game scheme on", {Machine("UseTSGameScheme", SzValue("on"))}, {}},
        {"game scheme ON", {Machine("UseTSGameScheme", SzValue("ON"))}, {}},
        {"game scheme Off", {Machine("UseTSGameScheme", SzValue("Off"))}, kGameOff},
        {"game scheme yes", {Machine("UseTSGameScheme", SzValue("yes"))}, kGameOff},
        {"game scheme 1", {Machine("UseTSGameScheme", SzValue("1"))}, kGameOff},
        {"game scheme with trailing blank", {Machine("UseTSGameScheme", SzValue("On "))}, kGameOff},
        {"game scheme with leading blank", {Machine("UseTSGameScheme", SzValue(" On"))}, kGameOff},
        {"game scheme empty text", {Machine("UseTSGameScheme", SzValue(""))}, kGameOff},
        {"game scheme without data", {Machine("UseTSGameScheme", NoData(REG_SZ))}, kGameOff},
        {"game scheme On, NUL, junk",
         {Machine("UseTSGameScheme", RegValue{REG_SZ, std::string("On\0\x01\xff", 5)})}, {}},
        {"game scheme long text", {Machine("UseTSGameScheme", SzValue("On" + k64KiB))}, kGameOff},
        {"game scheme as number 0", {Machine("UseTSGameScheme", DwordValue(0))}, {}},
        {"game scheme expandable Off", {Machine("UseTSGameScheme", RegValue{REG_EXPAND_SZ, std::string("Off\0", 4)})}, {}},
        {"game scheme as bytes", {Machine("UseTSGameScheme", RegValue{REG_BINARY, std::string("Off\0", 4)})}, {}},
        {"game scheme only in the user key", {User("UseTSGameScheme", SzValue("Off"))}, {}},

        {"tracking Speed", {User("OptimizeTracking", SzValue("Speed"))}, kSpeedTracking},
        {"tracking SPEED", {User("OptimizeTracking", SzValue("SPEED"))}, kSpeedTracking},
        {"tracking speed", {User("OptimizeTracking", SzValue("speed"))}, kSpeedTracking},
        {"tracking Precision", {User("OptimizeTracking", SzValue("Precision"))}, {}},
        {"tracking other text", {User("OptimizeTracking", SzValue("Fast"))}, {}},
        {"tracking Speed with blank", {User("OptimizeTracking", SzValue("Speed "))}, {}},
        {"tracking empty text", {User("OptimizeTracking", SzValue(""))}, {}},
        {"tracking as number 1", {User("OptimizeTracking", DwordValue(1))}, {}},
        {"tracking only in the machine key", {Machine("OptimizeTracking", SzValue("Speed"))}, {}},
        {"tracking only in the gaming key", {Gaming("OptimizeTracking", SzValue("Speed"))}, {}},

        {"method Windows", {User("SpeedAccelMethod", SzValue("Windows"))}, kWindowsMethod},
        {"method WINDOWS", {User("SpeedAccelMethod", SzValue("WINDOWS"))}, kWindowsMethod},
        {"method Driver", {User("SpeedAccelMethod", SzValue("Driver"))}, {}},
        {"method other text", {User("SpeedAccelMethod", SzValue("Win"))}, {}},
        {"method Windows with blank", {User("SpeedAccelMethod", SzValue("Windows "))}, {}},
        {"method as number 1", {User("SpeedAccelMethod", DwordValue(1))}, {}},
        {"method only in the machine key", {Machine("SpeedAccelMethod", SzValue("Windows"))}, {}},

        {"everything away from its default",
         {Machine("UseTSGameScheme", SzValue("off")), User("OptimizeTracking", SzValue("speed")),
          User("SpeedAccelMethod", SzValue("windows")), Gaming("GamerAcceleration", DwordValue(1)),
          Gaming("GamerScaling", DwordValue(0)), Gaming("GamerMappingKeys", DwordValue(0)),
          Gaming("GamerMappingButton", DwordValue(0)), Gaming("GamerMappingsOther", DwordValue(1)),
          Gaming("GamerOrientation", DwordValue(0))},
         {{&AdvancedSettings::m_bGameDetection, 0}, {&AdvancedSettings::m_nTrackingMode, 1},
          {&AdvancedSettings::m_nSpeedAccelMethod, 1}, {&AdvancedSettings::m_nAppliedSpeedAccelMethod, 1},
          {&AdvancedSettings::m_bKeepAcceleration, 1}, {&AdvancedSettings::m_bKeepSpeed, 0},
          {&AdvancedSettings::m_bKeepKeystrokes, 0}, {&AdvancedSettings::m_bKeepButtonMapping, 0},
          {&AdvancedSettings::m_bKeepOtherMappings, 1}, {&AdvancedSettings::m_bKeepOrientation, 0}}},
    };
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        Store(c.stored);
        EXPECT_EQ(Describe(DefaultsWith(c.changes)), Describe(Loaded())) << c.label;
    }
}

TEST(LoadSettings, OverwritesWhatTheRecordHeld)
{
    ScratchRegistry scratch;
    AdvancedSettings settings;
    settings.m_bGameDetection = 7;
    settings.m_nTrackingMode = -1;
    settings.m_nSpeedAccelMethod = -1;
    settings.m_nAppliedSpeedAccelMethod = 5;
    settings.m_bKeepAcceleration = 9;
    settings.m_bKeepOtherMappings = 9;
    LoadSettings(settings);
    EXPECT_EQ(Describe(DefaultSettings()), Describe(settings));
}

TEST(LoadSettings, EveryFormOfEveryGamingValue)
{
    constexpr int kDefault = -1;
    const struct {
        const char* name;
        Field field;
        int defaultValue;
    } names[] = {
        {"GamerAcceleration", &AdvancedSettings::m_bKeepAcceleration, 0},
        {"GamerScaling", &AdvancedSettings::m_bKeepSpeed, 1},
        {"GamerMappingKeys", &AdvancedSettings::m_bKeepKeystrokes, 1},
        {"GamerMappingButton", &AdvancedSettings::m_bKeepButtonMapping, 1},
        {"GamerMappingsOther", &AdvancedSettings::m_bKeepOtherMappings, 0},
        {"GamerOrientation", &AdvancedSettings::m_bKeepOrientation, 1},
    };
    const struct {
        const char* label;
        RegValue value;
        int flag;  // kDefault: the value's default
    } forms[] = {
        {"text off", SzValue("off"), 0},
        {"text OFF", SzValue("OFF"), 0},
        {"text oFf", SzValue("oFf"), 0},
        {"text 0", SzValue("0"), 0},
        {"text off, NUL, junk", RegValue{REG_SZ, std::string("off\0\x01\x02", 6)}, 0},
        {"text 00", SzValue("00"), 1},
        {"text off with blank", SzValue("off "), 1},
        {"text on", SzValue("on"), 1},
        {"text 1", SzValue("1"), 1},
        {"text no", SzValue("no"), 1},
        {"empty text", SzValue(""), 1},
        {"long text", SzValue(k64KiB), 1},
        {"text without data", NoData(REG_SZ), kDefault},
        {"number 0", DwordValue(0), 0},
        {"number 1", DwordValue(1), 1},
        {"number 2", DwordValue(2), 1},
        {"largest number", DwordValue(0xFFFFFFFF), 1},
        {"number of 8 bytes", RegValue{REG_DWORD, std::string(8, '\0')}, kDefault},
        {"expandable off", RegValue{REG_EXPAND_SZ, std::string("off\0", 4)}, kDefault},
        {"bytes", RegValue{REG_BINARY, std::string(4, '\0')}, kDefault},
        {"64-bit number", RegValue{REG_QWORD, std::string(8, '\0')}, kDefault},
        {"list of texts", RegValue{REG_MULTI_SZ, std::string("off\0\0", 5)}, kDefault},
    };
    for (const auto& n : names) {
        for (const auto& form : forms) {
            ScratchRegistry scratch;
            PutValue(HKEY_CURRENT_USER, kGamingPath, n.name, form.value);
            const int flag = form.flag == kDefault ? n.defaultValue : form.flag;
            EXPECT_EQ(Describe(DefaultsWith({{n.field, flag}})), Describe(Loaded())) << n.name << ": " << form.label;
        }
        ScratchRegistry scratch;
        PutValue(HKEY_CURRENT_USER, kTechnicalPath, n.name, DwordValue(n.defaultValue ? 0 : 1));
        EXPECT_EQ(Describe(DefaultSettings()), Describe(Loaded())) << n.name << " in the Technical key";
    }
}

// The same data in all nine values: the texts follow the rules above, every other
// type counts as unreadable.
TEST(LoadSettings, ArbitraryDataInEveryValue)
{
    std::string junk(65536, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 131 + 7) % 256);
    std::string junkWithoutNul = junk;
    for (char& c : junkWithoutNul)
        if (c == '\0')
            c = '\x01';

    const AdvancedSettings textRead = DefaultsWith({{&AdvancedSettings::m_bGameDetection, 0},
                                                    {&AdvancedSettings::m_bKeepAcceleration, 1},
                                                    {&AdvancedSettings::m_bKeepOtherMappings, 1}});
    const struct {
        const char* label;
        RegValue value;
        AdvancedSettings expected;
    } forms[] = {
        {"64 KiB of text", SzValue(k64KiB), textRead},
        {"64 KiB of bytes as text", RegValue{REG_SZ, junk}, textRead},
        {"64 KiB of bytes as text, no NUL", RegValue{REG_SZ, junkWithoutNul}, textRead},
        {"64 KiB of bytes", RegValue{REG_BINARY, junk}, DefaultSettings()},
        {"64 KiB of bytes as a number", RegValue{REG_DWORD, junk}, DefaultSettings()},
        {"64 KiB of bytes as a list of texts", RegValue{REG_MULTI_SZ, junk}, DefaultSettings()},
        {"64 KiB of bytes of an unknown type", RegValue{0x7777, junk}, DefaultSettings()},
        {"nothing of an unknown type", RegValue{0x7777, ""}, DefaultSettings()},
    };
    for (const auto& form : forms) {
        ScratchRegistry scratch;
        Store({Machine("UseTSGameScheme", form.value), User("OptimizeTracking", form.value),
               User("SpeedAccelMethod", form.value), Gaming("GamerAcceleration", form.value),
               Gaming("GamerScaling", form.value), Gaming("GamerMappingKeys", form.value),
               Gaming("GamerMappingButton", form.value), Gaming("GamerMappingsOther", form.value),
               Gaming("GamerOrientation", form.value)});
        EXPECT_EQ(Describe(form.expected), Describe(Loaded())) << form.label;
    }
}

AdvancedSettings Record(int game, int tracking, int accel, int speed, int keys, int button, int other,
                        int orientation)
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
         {{kTechnical + ":UseTSGameScheme", Sz("On")}},
         {{kTechnical + ":OptimizeTracking", Sz("Speed")},
          {kGaming + ":GamerAcceleration", Dword(1)},
          {kGaming + ":GamerScaling", Dword(0)},
          {kGaming + ":GamerMappingKeys", Dword(1)},
          {kGaming + ":GamerMappingButton", Dword(0)},
          {kGaming + ":GamerMappingsOther", Dword(1)},
          {kGaming + ":GamerOrientation", Dword(0)}}},
        {Record(0, 0, 0, 1, 0, 1, 0, 1),
         {{kTechnical + ":UseTSGameScheme", Sz("Off")}},
         {{kTechnical + ":OptimizeTracking", Sz("Precision")},
          {kGaming + ":GamerAcceleration", Dword(0)},
          {kGaming + ":GamerScaling", Dword(1)},
          {kGaming + ":GamerMappingKeys", Dword(0)},
          {kGaming + ":GamerMappingButton", Dword(1)},
          {kGaming + ":GamerMappingsOther", Dword(0)},
          {kGaming + ":GamerOrientation", Dword(1)}}},
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

TEST(SaveSettings, GameSchemeTextIsExactlyOnOrOff)
{
    ScratchRegistry scratch;
    AdvancedSettings settings = DefaultSettings();
    SaveSettings(settings);
    EXPECT_EQ((RegValue{REG_SZ, std::string("On\0", 3)}),
              GetValue(HKEY_LOCAL_MACHINE, kTechnicalPath, "UseTSGameScheme"));
    settings.m_bGameDetection = 0;
    SaveSettings(settings);
    EXPECT_EQ((RegValue{REG_SZ, std::string("Off\0", 4)}),
              GetValue(HKEY_LOCAL_MACHINE, kTechnicalPath, "UseTSGameScheme"));
    settings.m_bGameDetection = -1;
    SaveSettings(settings);
    EXPECT_EQ(SzValue("On"), GetValue(HKEY_LOCAL_MACHINE, kTechnicalPath, "UseTSGameScheme"));
}

TEST(SaveSettings, AnyTrackingModeButZeroIsSpeed)
{
    const struct {
        int mode;
        const char* text;
    } cases[] = {{0, "Precision"}, {1, "Speed"}, {2, "Speed"}, {-1, "Speed"}, {INT_MIN, "Speed"}};
    for (const auto& c : cases) {
        ScratchRegistry scratch;
        AdvancedSettings settings = DefaultSettings();
        settings.m_nTrackingMode = c.mode;
        SaveSettings(settings);
        EXPECT_EQ(SzValue(c.text), GetValue(HKEY_CURRENT_USER, kTechnicalPath, "OptimizeTracking")) << c.mode;
    }
}

TEST(SaveSettings, ReplacesValuesOfOtherTypes)
{
    ScratchRegistry scratch;
    Store({Machine("UseTSGameScheme", DwordValue(0)), User("OptimizeTracking", RegValue{REG_BINARY, "Speed"}),
           Gaming("GamerAcceleration", SzValue("on")), Gaming("GamerScaling", SzValue("off")),
           Gaming("GamerMappingKeys", SzValue("OFF")), Gaming("GamerMappingButton", SzValue("0")),
           Gaming("GamerMappingsOther", RegValue{REG_EXPAND_SZ, std::string("on\0", 3)}),
           Gaming("GamerOrientation", RegValue{REG_BINARY, "x"})});
    AdvancedSettings settings = Loaded();
    EXPECT_EQ(Describe(DefaultsWith({{&AdvancedSettings::m_bKeepAcceleration, 1},
                                     {&AdvancedSettings::m_bKeepSpeed, 0},
                                     {&AdvancedSettings::m_bKeepKeystrokes, 0},
                                     {&AdvancedSettings::m_bKeepButtonMapping, 0}})),
              Describe(settings));
    SaveSettings(settings);
    const RegistryContents user = {
        {kTechnical + ":OptimizeTracking", Sz("Precision")},
        {kGaming + ":GamerAcceleration", Dword(1)},
        {kGaming + ":GamerScaling", Dword(0)},
        {kGaming + ":GamerMappingKeys", Dword(0)},
        {kGaming + ":GamerMappingButton", Dword(0)},
        {kGaming + ":GamerMappingsOther", Dword(0)},
        {kGaming + ":GamerOrientation", Dword(1)},
    };
    EXPECT_EQ(user, Dump(HKEY_CURRENT_USER));
    EXPECT_EQ((RegistryContents{{kTechnical + ":UseTSGameScheme", Sz("On")}}), Dump(HKEY_LOCAL_MACHINE));
}

// The hand-over's values as they stood before a save that must not touch them.
const std::vector<Stored> kEarlierHandOver = {
    Machine("ResetWinModif", SzValue("On")),
    User("SpeedAccelMethod", SzValue("Driver")),
    User("WindowsSpeed", SzValue("14")),
    User("WindowsAccel", SzValue("6,10,1")),
    User("ClearMSAccSet", SzValue("off")),
};

TEST(SaveSettings, WithoutTheSpeedMethodNothingOfTheHandOverIsWritten)
{
    const std::pair<int, int> methods[] = {{1, 0}, {0, 1}, {0, 0}, {1, 1}};
    for (const bool earlier : {false, true}) {
        for (const auto& method : methods) {
            ScratchRegistry scratch;
            if (earlier)
                Store(kEarlierHandOver);
            const RegistryContents machineBefore = Dump(HKEY_LOCAL_MACHINE);
            const RegistryContents userBefore = Dump(HKEY_CURRENT_USER);
            SystemParametersRecorder recorder;
            AdvancedSettings settings = DefaultSettings();
            settings.m_nSpeedAccelMethod = method.first;
            settings.m_nAppliedSpeedAccelMethod = method.second;
            SaveSettings(settings);

            const std::string label = "method " + std::to_string(method.first) + ", applied " +
                                      std::to_string(method.second) + (earlier ? ", earlier values" : "");
            EXPECT_EQ(std::vector<std::string>{}, recorder.Calls()) << label;
            EXPECT_EQ(method.second, settings.m_nAppliedSpeedAccelMethod) << label;
            RegistryContents machine = Dump(HKEY_LOCAL_MACHINE);
            RegistryContents user = Dump(HKEY_CURRENT_USER);
            EXPECT_EQ(Sz("On"), machine[kTechnical + ":UseTSGameScheme"]) << label;
            EXPECT_EQ(Sz("Precision"), user[kTechnical + ":OptimizeTracking"]) << label;
            machine.erase(kTechnical + ":UseTSGameScheme");
            user.erase(kTechnical + ":OptimizeTracking");
            for (auto it = user.begin(); it != user.end();)
                it = it->first.rfind(kGaming + ":", 0) == 0 ? user.erase(it) : std::next(it);
            EXPECT_EQ(machineBefore, machine) << label;
            EXPECT_EQ(userBefore, user) << label;
        }
    }
}

TEST(SaveSettings, SavingTwiceWithTheSameMethodHandsOverOnce)
{
    for (const bool storedWindows : {false, true}) {
        ScratchRegistry scratch;
        if (storedWindows)
            Store({User("SpeedAccelMethod", SzValue("Windows"))});
        SystemParametersRecorder recorder({true, 14, true, {6, 10, 1}});
        AdvancedSettings settings = Loaded();
        settings.m_bSpeedMethodAvailable = 1;
        settings.m_nSpeedAccelMethod = 0;

        SaveSettings(settings);
        const std::size_t callsOfTheFirstSave = recorder.Calls().size();
        EXPECT_EQ(storedWindows ? 4u : 0u, callsOfTheFirstSave) << storedWindows;
        const RegistryContents machine = Dump(HKEY_LOCAL_MACHINE);
        const RegistryContents user = Dump(HKEY_CURRENT_USER);
        const std::optional<RegValue> method = GetValue(HKEY_CURRENT_USER, kTechnicalPath, "SpeedAccelMethod");
        EXPECT_EQ(storedWindows ? std::optional<RegValue>(SzValue("Driver")) : std::nullopt, method);

        // The driver changes a stored copy meanwhile: a second save must not overwrite it.
        PutValue(HKEY_CURRENT_USER, kTechnicalPath, "WindowsSpeed", SzValue("3"));
        RegistryContents userChanged = user;
        if (storedWindows)
            userChanged[kTechnical + ":WindowsSpeed"] = Sz("3");
        else
            userChanged.emplace(kTechnical + ":WindowsSpeed", Sz("3"));

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
    Store({User("SpeedAccelMethod", SzValue("Windows"))});
    HKEY locked = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Locked machine", 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &locked, nullptr));
    scratch.OverrideMachine(locked);
    RegCloseKey(locked);
    HKEY probe = nullptr;
    ASSERT_NE(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTechnicalPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
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
        {kTechnical + ":OptimizeTracking", Sz("Speed")},
        {kTechnical + ":SpeedAccelMethod", Sz("Driver")},
        {kTechnical + ":ClearMSAccSet", Sz("off")},
        {kTechnical + ":WindowsSpeed", Sz("14")},
        {kTechnical + ":WindowsAccel", Sz("6,10,1")},
        {kGaming + ":GamerAcceleration", Dword(1)},
        {kGaming + ":GamerScaling", Dword(1)},
        {kGaming + ":GamerMappingKeys", Dword(1)},
        {kGaming + ":GamerMappingButton", Dword(1)},
        {kGaming + ":GamerMappingsOther", Dword(0)},
        {kGaming + ":GamerOrientation", Dword(1)},
    };
    EXPECT_EQ(user, Dump(HKEY_CURRENT_USER));
    EXPECT_EQ(4u, recorder.Calls().size());
    EXPECT_EQ(0, settings.m_nAppliedSpeedAccelMethod);
    EXPECT_EQ(1, Loaded().m_bGameDetection);
}

}  // namespace
