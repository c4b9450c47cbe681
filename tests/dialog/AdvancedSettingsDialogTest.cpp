#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/AdvancedSettingsApp.h"
#include "resources/resource.h"
#include "tests/dialog/ModalDialog.h"
#include "tests/dialog/RegistryTree.h"
#include "tests/support/ScratchRegistry.h"

namespace {

const char kSetupKey[] = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Setup";
const char kMachineTechnicalKey[] = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Technical";
const char kUserTechnicalKey[] = "Software\\Tessaro\\Drivona\\CurrentVersion\\Technical";
const char kGamingKey[] = "Software\\Tessaro\\Drivona\\CurrentVersion\\Control Center\\Gaming";

const std::vector<int> kButtons = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1014, 1013, 1016, 1017};
const std::vector<int> kControls = {1000, 1012, 1001, 1002, 1006, 1004, 1003, 1005, 1015,
                                    1016, 1017, 1014, 1013, IDOK, IDCANCEL, 1009, 1011};
const std::vector<int> kDefaultsChecked = {1000, 1002, 1003, 1004, 1006, 1014, 1016};
const std::vector<int> kGameModeControls = {1012, 1001, 1002, 1006, 1004, 1003, 1005};

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

void InstallDriver(const char* version)
{
    PutValue(HKEY_LOCAL_MACHINE, kSetupKey, "ProductID", SzValue(version));
}

// The stored state that a case starts from.
struct Stored {
    const char* gameScheme = nullptr;   // "UseTSGameScheme" of the machine
    const char* tracking = nullptr;     // "OptimizeTracking" of the user
    const char* method = nullptr;       // "SpeedAccelMethod" of the user
    std::vector<std::pair<const char*, RegValue>> gaming;
};

void Store(const Stored& stored)
{
    if (stored.gameScheme)
        PutValue(HKEY_LOCAL_MACHINE, kMachineTechnicalKey, "UseTSGameScheme", SzValue(stored.gameScheme));
    if (stored.tracking)
        PutValue(HKEY_CURRENT_USER, kUserTechnicalKey, "OptimizeTracking", SzValue(stored.tracking));
    if (stored.method)
        PutValue(HKEY_CURRENT_USER, kUserTechnicalKey, "SpeedAccelMethod", SzValue(stored.method));
    for (const auto& [name, value] : stored.gaming)
        PutValue(HKEY_CURRENT_USER, kGamingKey, name, value);
}

// Every stored setting away from its default.
const Stored kAllChanged = {"on", "SPEED", "windows",
                            {{"GamerAcceleration", DwordValue(1)},
                             {"GamerScaling", DwordValue(0)},
                             {"GamerMappingKeys", DwordValue(0)},
                             {"GamerMappingButton", DwordValue(0)},
                             {"GamerMappingsOther", DwordValue(1)},
                             {"GamerOrientation", DwordValue(0)}}};

std::map<std::string, RegValue> WholeRegistry()
{
    std::map<std::string, RegValue> tree = RegistryTree(HKEY_LOCAL_MACHINE);
    for (const auto& [path, value] : RegistryTree(HKEY_CURRENT_USER))
        tree["user" + path] = value;
    return tree;
}

TEST(AdvancedSettingsDialogTest, ShowsTheStoredSettings)
{
    struct Case {
        const char* label;
        Stored stored;
        std::vector<int> checked;
    } cases[] = {
        {"no keys at all", {}, kDefaultsChecked},
        {"every setting changed", kAllChanged, {1000, 1001, 1005, 1013, 1017}},
        {"texts", {"Off", "Precision", "Driver",
                   {{"GamerScaling", SzValue("off")}, {"GamerMappingKeys", SzValue("0")},
                    {"GamerOrientation", DwordValue(1)}}},
         {1004, 1006, 1014, 1016}},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        InstallDriver("9.80");
        Store(c.stored);
        ModalDialog dialog;
        EXPECT_EQ(c.checked, CheckedButtons(dialog)) << c.label;
    }
}

TEST(AdvancedSettingsDialogTest, EnablesControlsByGameDetectionMethodAndDriver)
{
    const std::vector<int> methodGroup = {1015, 1016, 1017};
    struct Case {
        const char* label;
        const char* driver;  // null: no setup key at all
        Stored stored;
        std::vector<int> disabled;
        int shownMethod;
    } cases[] = {
        {"detection on, driver method", "9.80", {"On", nullptr, "Driver", {}}, {}, 1016},
        {"detection off", "9.80", {"Off", nullptr, "Driver", {}}, kGameModeControls, 1016},
        {"system method", "9.80", {"On", nullptr, "Windows", {}}, {1001, 1002}, 1017},
        {"old driver, system method", "9.79", {"On", nullptr, "Windows", {}}, {1001, 1002, 1015, 1016, 1017}, 1017},
        {"old driver, driver method", "9.79", {"On", nullptr, "Driver", {}}, methodGroup, 1016},
        {"no driver version", nullptr, {"On", nullptr, nullptr, {}}, methodGroup, 1016},
        {"a later major version", "10.0", {"On", nullptr, nullptr, {}}, {}, 1016},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        if (c.driver)
            InstallDriver(c.driver);
        Store(c.stored);
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
        {"system method", "9.80", "Windows", {1001, 1002}},
        {"old driver", "9.79", "Driver", {1015, 1016, 1017}},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        InstallDriver(c.driver);
        Store({"Off", nullptr, c.method, {}});
        ModalDialog dialog;
        dialog.Click(1000);
        EXPECT_TRUE(dialog.Checked(1000)) << c.label;
        EXPECT_EQ(c.disabledAfterClick, DisabledControls(dialog)) << c.label;
        dialog.Click(1000);
        std::vector<int> disabled = kGameModeControls;
        if (std::string(c.driver) == "9.79")
            disabled.insert(disabled.end(), {1015, 1016, 1017});
        EXPECT_EQ(disabled, DisabledControls(dialog)) << c.label << ", unchecked again";
    }
}

TEST(AdvancedSettingsDialogTest, MethodButtonsSetTrackingAndTheRules)
{
    ScratchRegistry scratch;
    InstallDriver("9.80");
    ModalDialog dialog;
    dialog.Click(1017);
    EXPECT_EQ((std::vector<int>{1000, 1002, 1003, 1004, 1006, 1013, 1017}), CheckedButtons(dialog));
    EXPECT_EQ((std::vector<int>{1001, 1002}), DisabledControls(dialog));

    dialog.Click(1014);  // by hand, no handler: only the controls change
    EXPECT_TRUE(dialog.Checked(1014));
    EXPECT_FALSE(dialog.Checked(1013));

    dialog.Click(1013);
    dialog.Click(1016);
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
        {"restore defaults", {1003, 1011}, true},
        {"driver method", {1003, 1016}, true},
        {"system method", {1003, 1017}, true},
        {"game detection pulls first", {1003, 1000, 1000, 1016}, false},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        InstallDriver("9.80");
        ModalDialog dialog;
        ASSERT_TRUE(dialog.Checked(1003));
        for (int id : c.clicks)
            dialog.Click(id);
        EXPECT_EQ(c.keystrokesShown, dialog.Checked(1003)) << c.label;
    }
}

TEST(AdvancedSettingsDialogTest, RestoreDefaultsShowsTheDefaultsAndSavesNothing)
{
    ScratchRegistry scratch;
    InstallDriver("9.80");
    Store(kAllChanged);
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Click(1011);
    EXPECT_EQ(kDefaultsChecked, CheckedButtons(dialog));
    EXPECT_EQ(std::vector<int>{}, DisabledControls(dialog));
    EXPECT_EQ(before, WholeRegistry());
}

TEST(AdvancedSettingsDialogTest, AnEmptyRadioGroupIsPulledAsNoChoice)
{
    ScratchRegistry scratch;
    InstallDriver("9.80");
    ModalDialog dialog;
    dialog.SetCheck(1016, false);
    dialog.SetCheck(1017, false);
    dialog.Click(1000);
    dialog.Click(1000);  // back on, pulled twice
    // The method is neither the driver's nor the system's: 1001 and 1002 stay off.
    EXPECT_EQ((std::vector<int>{1001, 1002}), DisabledControls(dialog));
    EXPECT_FALSE(dialog.Checked(1016));
    EXPECT_FALSE(dialog.Checked(1017));
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
        {"Escape", [](const ModalDialog& d) { PostMessageA(d.Item(1000), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close box", [](const ModalDialog& d) { PostMessageA(d.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Case& c : cases) {
        ScratchRegistry scratch;
        InstallDriver("9.80");
        Store({"Off", "Precision", nullptr, {{"GamerScaling", SzValue("off")}}});
        const auto before = WholeRegistry();
        ModalDialog dialog;
        for (int id : {1000, 1003, 1017, 1011, 1005, 1013})
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
    InstallDriver("9.80");
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Click(1003);
    for (int id : {1011, 1016, 1017, 1000, IDOK, IDCANCEL})
        dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED),
                    reinterpret_cast<LPARAM>(dialog.Item(id)));
    EXPECT_TRUE(IsWindowVisible(dialog.Window())) << "the dialog ended";
    EXPECT_EQ((std::vector<int>{1000, 1002, 1004, 1006, 1014, 1016}), CheckedButtons(dialog));

    // The same messages as clicks do act.
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(1017, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.Item(1017)));
    EXPECT_EQ((std::vector<int>{1000, 1002, 1003, 1004, 1006, 1013, 1017}), CheckedButtons(dialog));
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(dialog.Item(IDCANCEL)));
    EXPECT_EQ(IDCANCEL, dialog.WaitForEnd());
    EXPECT_EQ(before, WholeRegistry());
}

TEST(AdvancedSettingsDialogTest, DragIconAndWindowIconsAreTheProgramIcon)
{
    ScratchRegistry scratch;
    InstallDriver("9.80");
    ModalDialog dialog;
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128));
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_QUERYDRAGICON)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_GETICON, ICON_BIG)));
    EXPECT_EQ(icon, reinterpret_cast<HICON>(dialog.Send(dialog.Window(), WM_GETICON, ICON_SMALL)));
}

TEST(AdvancedSettingsDialogTest, HelpCommandIsHarmless)
{
    ScratchRegistry scratch;
    InstallDriver("9.80");
    AdvancedSettingsApp app;  // the help command is routed to the application
    const auto before = WholeRegistry();
    ModalDialog dialog;
    dialog.Send(dialog.Window(), WM_COMMAND, MAKEWPARAM(57670, 0), 0);
    EXPECT_TRUE(IsWindowVisible(dialog.Window()));
    EXPECT_EQ(1, dialog.VisibleWindows());
    EXPECT_EQ(kDefaultsChecked, CheckedButtons(dialog));
    EXPECT_EQ(before, WholeRegistry());
    dialog.Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dialog.WaitForEnd());
}

}  // namespace
