#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "app/AdvancedSettingsApp.h"
#include "resources/resource.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ModalDialog.h"
#include "tests/support/ScratchRegistry.h"

namespace {

using expected::kGamingKey;
using expected::kTechnicalKey;

const std::vector<int> kButtons = {IDC_GAME_DETECTION,   IDC_KEEP_ACCELERATION,   IDC_KEEP_SPEED,
                                   IDC_KEEP_KEYSTROKES,  IDC_KEEP_BUTTON_MAPPING, IDC_KEEP_OTHER_MAPPINGS,
                                   IDC_KEEP_ORIENTATION, IDC_TRACKING_PRECISION,  IDC_TRACKING_SPEED,
                                   IDC_METHOD_DRIVER,    IDC_METHOD_WINDOWS};
const std::vector<int> kControls = {IDC_GAME_DETECTION,
                                    IDC_GAME_MODE_GROUP,
                                    IDC_KEEP_ACCELERATION,
                                    IDC_KEEP_SPEED,
                                    IDC_KEEP_ORIENTATION,
                                    IDC_KEEP_BUTTON_MAPPING,
                                    IDC_KEEP_KEYSTROKES,
                                    IDC_KEEP_OTHER_MAPPINGS,
                                    IDC_SPEED_METHOD_GROUP,
                                    IDC_METHOD_DRIVER,
                                    IDC_METHOD_WINDOWS,
                                    IDC_TRACKING_PRECISION,
                                    IDC_TRACKING_SPEED,
                                    IDOK,
                                    IDCANCEL,
                                    IDC_APPLY,
                                    IDC_RESTORE_DEFAULTS};
// The defaults as the controls show them.
const std::vector<int> kDefaultsChecked = {IDC_GAME_DETECTION,      IDC_KEEP_SPEED,       IDC_KEEP_KEYSTROKES,
                                           IDC_KEEP_BUTTON_MAPPING, IDC_KEEP_ORIENTATION, IDC_TRACKING_PRECISION,
                                           IDC_METHOD_DRIVER};
const std::vector<int> kGameModeControls = {IDC_GAME_MODE_GROUP,    IDC_KEEP_ACCELERATION,   IDC_KEEP_SPEED,
                                            IDC_KEEP_ORIENTATION,   IDC_KEEP_BUTTON_MAPPING, IDC_KEEP_KEYSTROKES,
                                            IDC_KEEP_OTHER_MAPPINGS};
const std::vector<int> kMethodControls = {IDC_SPEED_METHOD_GROUP, IDC_METHOD_DRIVER, IDC_METHOD_WINDOWS};

std::vector<int> CheckedButtons(const ModalDialog& dialog)
{
    std::vector<int> checked;
    for (int id : kButtons)
        if (dialog.Checked(id))
            checked.push_back(id);
    return checked;
}

std::vector<int> DisabledControls(const ModalDialog& dialog)
{
    std::vector<int> disabled;
    for (int id : kControls)
        if (!dialog.Enabled(id))
            disabled.push_back(id);
    return disabled;
}

// The stored state that a case starts from.
struct Stored {
    const char* gameScheme = nullptr;  // "UseTSGameScheme" of the machine
    const char* tracking = nullptr;    // "OptimizeTracking" of the user
    const char* method = nullptr;      // "SpeedAccelMethod" of the user
    std::vector<std::pair<const char*, RegValue>> gaming;
};

// A driver of that version (none when null) and the stored state.
::testing::AssertionResult Prepare(const char* version, const Stored& stored = {})
{
    std::vector<std::tuple<HKEY, const char*, const char*, RegValue>> values;
    if (version)
        values.emplace_back(HKEY_LOCAL_MACHINE, expected::kSetupKey, "ProductID", SzValue(version));
    if (stored.gameScheme)
        values.emplace_back(HKEY_LOCAL_MACHINE, kTechnicalKey, "UseTSGameScheme", SzValue(stored.gameScheme));
    if (stored.tracking)
        values.emplace_back(HKEY_CURRENT_USER, kTechnicalKey, "OptimizeTracking", SzValue(stored.tracking));
    if (stored.method)
        values.emplace_back(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod", SzValue(stored.method));
    for (const auto& [name, value] : stored.gaming)
        values.emplace_back(HKEY_CURRENT_USER, kGamingKey, name, value);
    for (const auto& [root, key, name, value] : values) {
        ::testing::AssertionResult put = PutValue(root, key, name, value);
        if (!put)
            return put;
    }
    return ::testing::AssertionSuccess();
}

// Every stored setting away from its default.
const Stored kAllChanged = {"on",
                            "SPEED",
                            "windows",
                            {{"GamerAcceleration", DwordValue(1)},
                             {"GamerScaling", DwordValue(0)},
                             {"GamerMappingKeys", DwordValue(0)},
                             {"GamerMappingButton", DwordValue(0)},
                             {"GamerMappingsOther", DwordValue(1)},
                             {"GamerOrientation", DwordValue(0)}}};

RegistryContents WholeRegistry()
{
    RegistryContents contents = Dump(HKEY_LOCAL_MACHINE);
    for (const auto& [entry, value] : Dump(HKEY_CURRENT_USER))
        contents["user:" + entry] = value;
    return contents;
}

TEST(AdvancedSettingsDialogTest, ShowsTheStoredSettings)
{
    struct Case {
        const char* label;
        Stored stored;
        std::vector<int> checked;
    } cases[] = {
        {"no keys at all", {}, kDefaultsChecked},
        {"every setting changed",
         kAllChanged,
         {IDC_GAME_DETECTION, IDC_KEEP_ACCELERATION, IDC_KEEP_OTHER_MAPPINGS, IDC_TRACKING_SPEED, IDC_METHOD_WINDOWS}},
        {"texts",
         {"Off",
          "Precision",
          "Driver",
          {{"GamerScaling", SzValue("off")}, {"GamerMappingKeys", SzValue("0")}, {"GamerOrientation", DwordValue(1)}}},
         {IDC_KEEP_BUTTON_MAPPING, IDC_KEEP_ORIENTATION, IDC_TRACKING_PRECISION, IDC_METHOD_DRIVER}},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare("9.80", c.stored)) << c.label;
        ModalDialog dialog;
        EXPECT_EQ(c.checked, CheckedButtons(dialog)) << c.label;
    }
}

TEST(AdvancedSettingsDialogTest, EnablesControlsByGameDetectionMethodAndDriver)
{
    struct Case {
        const char* label;
        const char* driver;  // null: no setup key at all
        Stored stored;
        std::vector<int> disabled;
        int shownMethod;
    } cases[] = {
        {"detection on, driver method", "9.80", {"On", nullptr, "Driver", {}}, {}, IDC_METHOD_DRIVER},
        {"detection off", "9.80", {"Off", nullptr, "Driver", {}}, kGameModeControls, IDC_METHOD_DRIVER},
        {"system method",
         "9.80",
         {"On", nullptr, "Windows", {}},
         {IDC_KEEP_ACCELERATION, IDC_KEEP_SPEED},
         IDC_METHOD_WINDOWS},
        {"old driver, system method",
         "9.79",
         {"On", nullptr, "Windows", {}},
         {IDC_KEEP_ACCELERATION, IDC_KEEP_SPEED, IDC_SPEED_METHOD_GROUP, IDC_METHOD_DRIVER, IDC_METHOD_WINDOWS},
         IDC_METHOD_WINDOWS},
        {"old driver, driver method", "9.79", {"On", nullptr, "Driver", {}}, kMethodControls, IDC_METHOD_DRIVER},
        {"no driver version", nullptr, {"On", nullptr, nullptr, {}}, kMethodControls, IDC_METHOD_DRIVER},
        {"a later major version", "10.0", {"On", nullptr, nullptr, {}}, {}, IDC_METHOD_DRIVER},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare(c.driver, c.stored)) << c.label;
        ModalDialog dialog;
        EXPECT_EQ(c.disabled, DisabledControls(dialog)) << c.label;
        EXPECT_TRUE(dialog.Checked(c.shownMethod)) << c.label;
        EXPECT_EQ(1, dialog.VisibleWindows()) << c.label << ": a window besides the dialog";
    }
}

TEST(AdvancedSettingsDialogTest, GameDetectionClickAppliesTheRulesAtOnce)
{
    struct Case {
        const char* label;
        const char* driver;
        const char* method;
        std::vector<int> disabledAfterClick;
    } cases[] = {
        {"driver method", "9.80", "Driver", {}},
        {"system method", "9.80", "Windows", {IDC_KEEP_ACCELERATION, IDC_KEEP_SPEED}},
        {"old driver", "9.79", "Driver", kMethodControls},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare(c.driver, {"Off", nullptr, c.method, {}})) << c.label;
        ModalDialog dialog;
        dialog.Click(IDC_GAME_DETECTION);
        EXPECT_TRUE(dialog.Checked(IDC_GAME_DETECTION)) << c.label;
        EXPECT_EQ(c.disabledAfterClick, DisabledControls(dialog)) << c.label;
        dialog.Click(IDC_GAME_DETECTION);
        std::vector<int> disabled = kGameModeControls;
        if (std::string(c.driver) == "9.79")
            disabled.insert(disabled.end(), kMethodControls.begin(), kMethodControls.end());
        EXPECT_EQ(disabled, DisabledControls(dialog)) << c.label << ", unchecked again";
    }
}

TEST(AdvancedSettingsDialogTest, MethodButtonsSetTrackingAndTheRules)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80"));
    ModalDialog dialog;
    dialog.Click(IDC_METHOD_WINDOWS);
    EXPECT_EQ((std::vector<int>{IDC_GAME_DETECTION, IDC_KEEP_SPEED, IDC_KEEP_KEYSTROKES, IDC_KEEP_BUTTON_MAPPING,
                                IDC_KEEP_ORIENTATION, IDC_TRACKING_SPEED, IDC_METHOD_WINDOWS}),
              CheckedButtons(dialog));
    EXPECT_EQ((std::vector<int>{IDC_KEEP_ACCELERATION, IDC_KEEP_SPEED}), DisabledControls(dialog));

    dialog.Click(IDC_TRACKING_PRECISION);  // by hand, no handler: only the controls change
    EXPECT_TRUE(dialog.Checked(IDC_TRACKING_PRECISION));
    EXPECT_FALSE(dialog.Checked(IDC_TRACKING_SPEED));

    dialog.Click(IDC_TRACKING_SPEED);
    dialog.Click(IDC_METHOD_DRIVER);
    EXPECT_EQ(kDefaultsChecked, CheckedButtons(dialog));
    EXPECT_EQ(std::vector<int>{}, DisabledControls(dialog));
}

TEST(AdvancedSettingsDialogTest, PushesShowTheRecordNotTheUnpulledControls)
{
    struct Case {
        const char* label;
        std::vector<int> clicks;
        bool keystrokesShown;
    } cases[] = {
        {"restore defaults", {IDC_KEEP_KEYSTROKES, IDC_RESTORE_DEFAULTS}, true},
        {"driver method", {IDC_KEEP_KEYSTROKES, IDC_METHOD_DRIVER}, true},
        {"system method", {IDC_KEEP_KEYSTROKES, IDC_METHOD_WINDOWS}, true},
        {"game detection pulls first",
         {IDC_KEEP_KEYSTROKES, IDC_GAME_DETECTION, IDC_GAME_DETECTION, IDC_METHOD_DRIVER},
         false},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare("9.80"));
        ModalDialog dialog;
        ASSERT_TRUE(dialog.Checked(IDC_KEEP_KEYSTROKES));
        for (int id : c.clicks)
            dialog.Click(id);
        EXPECT_EQ(c.keystrokesShown, dialog.Checked(IDC_KEEP_KEYSTROKES)) << c.label;
    }
}

TEST(AdvancedSettingsDialogTest, RestoreDefaultsShowsTheDefaultsAndSavesNothing)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80", kAllChanged));
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Click(IDC_RESTORE_DEFAULTS);
    EXPECT_EQ(kDefaultsChecked, CheckedButtons(dialog));
    EXPECT_EQ(std::vector<int>{}, DisabledControls(dialog));
    EXPECT_EQ(before, WholeRegistry());
}

// Whatever the buttons did before, Apply and OK leave in the registry the method that the dialog shows, and the system
// accelerating the pointer only when that method is the system's: never both, never neither. The user's own record,
// stored while the driver's method holds, is never lost.
TEST(AdvancedSettingsDialogTest, ButtonSequencesLeaveTheRegistryAndTheSystemAgreed)
{
    const int kDriver = IDC_METHOD_DRIVER, kWindows = IDC_METHOD_WINDOWS, kDefaults = IDC_RESTORE_DEFAULTS,
              kDetection = IDC_GAME_DETECTION, kApply = IDC_APPLY;
    const std::vector<int> kUsers = {6, 10, 1}, kNeutral = {0, 0, 0};  // the system's mouse record
    const std::pair<HKEY, const char*> kValues[] = {{HKEY_CURRENT_USER, "SpeedAccelMethod"},
                                                    {HKEY_LOCAL_MACHINE, "ResetWinModif"},
                                                    {HKEY_CURRENT_USER, "ClearMSAccSet"},
                                                    {HKEY_LOCAL_MACHINE, "UseTSGameScheme"}};
    struct Case {
        const char* method;     // stored, with the system's record as that method leaves it
        const char* detection;  // stored
        std::vector<int> clicks;
        std::vector<const char*> values;  // of kValues afterwards; null: absent
    } cases[] = {
        {"Driver", "On", {kWindows, kApply}, {"Windows", "Off", nullptr, "On"}},
        {"Windows", "On", {kDriver, kApply}, {"Driver", "On", "off", "On"}},
        {"Windows", "Off", {kDefaults, kApply}, {"Driver", "On", "off", "On"}},
        {"Windows", "On", {kDefaults, kWindows, IDOK}, {"Windows", nullptr, nullptr, "On"}},
        {"Driver", "Off", {kWindows, kDefaults, kApply}, {"Driver", nullptr, nullptr, "On"}},
        {"Driver", "On", {kWindows, kDriver, kDetection, IDOK}, {"Driver", nullptr, nullptr, "Off"}},
        {"Windows", "On", {kDriver, kApply, kWindows, kApply}, {"Windows", "Off", "off", "On"}},
        {"Driver", "On", {kWindows, kApply, kDriver, IDOK}, {"Driver", "On", "off", "On"}},
        {"Windows", "Off", {kDetection, kDriver, kDetection, IDOK}, {"Driver", "On", "off", "Off"}},
        {"Driver", "Off", {kDetection, kWindows, kApply, kDefaults, kApply}, {"Driver", "On", "off", "On"}},
    };
    for (const Case& c : cases) {
        const std::string label = ::testing::PrintToString(c.clicks) + " from " + c.method + ", " + c.detection;
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare("9.80", {c.detection, nullptr, c.method, {}}));
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel", SzValue("6,10,1")));
        std::vector<int> record = std::string(c.method) == "Windows" ? kUsers : kNeutral;
        ASSERT_TRUE(SystemParametersInfoA(SPI_SETMOUSE, 0, record.data(), SPIF_UPDATEINIFILE));
        {
            ModalDialog dialog;  // cancelled at the end of a sequence that ends in Apply
            for (int id : c.clicks)
                dialog.Click(id);
        }
        for (size_t i = 0; i < std::size(kValues); ++i)
            EXPECT_EQ(c.values[i] ? Sz(c.values[i]) : "absent",
                      RenderedValue(kValues[i].first, kTechnicalKey, kValues[i].second))
                << label << ": " << kValues[i].second;
        EXPECT_EQ(Sz("6,10,1"), RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "WindowsAccel")) << label;
        ASSERT_TRUE(SystemParametersInfoA(SPI_GETMOUSE, 0, record.data(), 0)) << label;
        EXPECT_EQ(std::string(c.values[0]) == "Windows" ? kUsers : kNeutral, record) << label;
    }
}

TEST(AdvancedSettingsDialogTest, AnEmptyRadioGroupIsPulledAsNoChoice)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80"));
    ModalDialog dialog;
    dialog.SetCheck(IDC_METHOD_DRIVER, false);
    dialog.SetCheck(IDC_METHOD_WINDOWS, false);
    dialog.Click(IDC_GAME_DETECTION);
    dialog.Click(IDC_GAME_DETECTION);  // back on, pulled twice
    // The method is neither the driver's nor the system's: IDC_KEEP_ACCELERATION and IDC_KEEP_SPEED stay off.
    EXPECT_EQ((std::vector<int>{IDC_KEEP_ACCELERATION, IDC_KEEP_SPEED}), DisabledControls(dialog));
    EXPECT_FALSE(dialog.Checked(IDC_METHOD_DRIVER));
    EXPECT_FALSE(dialog.Checked(IDC_METHOD_WINDOWS));
    dialog.Click(IDCANCEL);
    ASSERT_EQ(IDCANCEL, dialog.WaitForEnd());
    EXPECT_EQ(-1, dialog.FinalRecord().m_nSpeedAccelMethod);
    EXPECT_EQ(0, dialog.FinalRecord().m_nTrackingMode);
}

TEST(AdvancedSettingsDialogTest, CancelEscapeAndCloseBoxWriteNothing)
{
    struct Case {
        const char* label;
        std::function<void(const ModalDialog&)> end;
    } cases[] = {
        {"Cancel", [](const ModalDialog& d) { d.Click(IDCANCEL); }},
        {"Escape",
         [](const ModalDialog& d) { PostMessageA(d.Item(IDC_GAME_DETECTION), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close box", [](const ModalDialog& d) { PostMessageA(d.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        ASSERT_TRUE(Prepare("9.80", {"Off", "Precision", nullptr, {{"GamerScaling", SzValue("off")}}})) << c.label;
        const auto before = WholeRegistry();
        ModalDialog dialog;
        for (int id : {IDC_GAME_DETECTION, IDC_KEEP_KEYSTROKES, IDC_METHOD_WINDOWS, IDC_RESTORE_DEFAULTS,
                       IDC_KEEP_OTHER_MAPPINGS, IDC_TRACKING_SPEED})
            dialog.Click(id);
        EXPECT_EQ(1, dialog.VisibleWindows()) << c.label << ": a window besides the dialog";
        c.end(dialog);
        EXPECT_EQ(IDCANCEL, dialog.WaitForEnd()) << c.label;
        EXPECT_EQ(before, WholeRegistry()) << c.label;
    }
}

TEST(AdvancedSettingsDialogTest, NotificationsOtherThanClicksChangeNothing)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80"));
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Click(IDC_KEEP_KEYSTROKES);
    for (int id : {IDC_RESTORE_DEFAULTS, IDC_METHOD_DRIVER, IDC_METHOD_WINDOWS, IDC_GAME_DETECTION, IDOK, IDCANCEL})
        dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED),
                    reinterpret_cast<LPARAM>(dialog.Item(id)));
    EXPECT_TRUE(IsWindowVisible(dialog.Window())) << "the dialog ended";
    EXPECT_EQ((std::vector<int>{IDC_GAME_DETECTION, IDC_KEEP_SPEED, IDC_KEEP_BUTTON_MAPPING, IDC_KEEP_ORIENTATION,
                                IDC_TRACKING_PRECISION, IDC_METHOD_DRIVER}),
              CheckedButtons(dialog));

    // The same messages as clicks do act.
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDC_METHOD_WINDOWS, BN_CLICKED),
                reinterpret_cast<LPARAM>(dialog.Item(IDC_METHOD_WINDOWS)));
    EXPECT_EQ((std::vector<int>{IDC_GAME_DETECTION, IDC_KEEP_SPEED, IDC_KEEP_KEYSTROKES, IDC_KEEP_BUTTON_MAPPING,
                                IDC_KEEP_ORIENTATION, IDC_TRACKING_SPEED, IDC_METHOD_WINDOWS}),
              CheckedButtons(dialog));
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(dialog.Item(IDCANCEL)));
    EXPECT_EQ(IDCANCEL, dialog.WaitForEnd());
    EXPECT_EQ(before, WholeRegistry());
}

TEST(AdvancedSettingsDialogTest, DragIconAndWindowIconsAreTheProgramIcon)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80"));
    ModalDialog dialog;
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_QUERYDRAGICON)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_GETICON, ICON_BIG)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_GETICON, ICON_SMALL)));
}

TEST(AdvancedSettingsDialogTest, HelpCommandIsHarmless)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(Prepare("9.80"));
    AdvancedSettingsApp app;  // the help command is routed to the application
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    EXPECT_TRUE(IsWindowVisible(dialog.Window()));
    EXPECT_EQ(1, dialog.VisibleWindows());
    EXPECT_EQ(kDefaultsChecked, CheckedButtons(dialog));
    EXPECT_EQ(before, WholeRegistry());
    dialog.Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dialog.WaitForEnd());
}

}  // namespace
