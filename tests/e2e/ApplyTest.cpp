// Apply, OK and Cancel of the real program, with the helper stand-in installed where
// the driver's setup key says, in this test group's own Wine prefix.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "driver/HelperPath.h"
#include "resources/resource.h"
#include "tests/e2e/HelperLog.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/Program.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/Screenshot.h"
#include "tools/install_driver/DriverInstall.h"

namespace {

const char kInstallDirectory[] = "C:\\DrivonaE2E";
const char kHelper[] = "C:\\DrivonaE2E\\System\\dv_host.exe";
const char kHelperLog[] = "C:\\DrivonaE2E\\System\\dv_host.log";
using expected::kGamingKey;
using expected::kTechnicalKey;
const char kMouse[] = "Control Panel\\Mouse";
const wchar_t kCaption[] = L"Drivona - Erweiterte Einstellungen";
const unsigned long long kRestartDelayMs = 4000;

// The ids of the processes in this prefix that run a file of this name, in any letter case.
std::set<DWORD> ProcessesNamed(const char* fileName)
{
    std::set<DWORD> ids;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, fileName) == 0)
            ids.insert(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

// Ends every helper and every copy of the program that runs in this prefix.
void EndLeftovers()
{
    for (const char* name : {"dv_host.exe", "AdvancedSettings.exe"}) {
        for (DWORD id : ProcessesNamed(name)) {
            const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
            if (process) {
                TerminateProcess(process, 1);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
    }
}

unsigned long long KeyLastWriteMs(HKEY root, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    FILETIME written = {};
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &written);
    RegCloseKey(key);
    return ((static_cast<unsigned long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime) / 10000;
}

class ApplyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EndLeftovers();
        DeleteKeyTree(HKEY_LOCAL_MACHINE, expected::kVendorKey);
        DeleteKeyTree(HKEY_CURRENT_USER, expected::kVendorKey);
        ASSERT_TRUE(Install("9.80", kInstallDirectory));
        DeleteFileA(kHelperLog);
    }

    void TearDown() override
    {
        m_program.reset();
        EndLeftovers();
        driver_install::Uninstall();
    }

    static ::testing::AssertionResult Install(const char* productId, const std::string& directory)
    {
        driver_install::Options options;
        options.productId = productId;
        options.directory = directory;
        options.helper = ProgramPath("dv_host.exe");
        if (!driver_install::Install(options))
            return ::testing::AssertionFailure() << "cannot install the driver stand-in";
        return ::testing::AssertionSuccess();
    }

    // Starts a helper and waits until it has recorded its start.
    static ::testing::AssertionResult StartHelper(const std::string& path = kHelper)
    {
        const std::string log = path.substr(0, path.find_last_of('\\') + 1) + "dv_host.log";
        const size_t before = EventsOfKind(ReadHelperLog(log), "start").size();
        ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW);
        for (int i = 0; i < 200 && EventsOfKind(ReadHelperLog(log), "start").size() == before; ++i)
            Sleep(50);
        if (EventsOfKind(ReadHelperLog(log), "start").size() != before + 1)
            return ::testing::AssertionFailure() << path << " did not start";
        return ::testing::AssertionSuccess();
    }

    // The program's dialog, or null when it did not open. WINE_TEST_PROGRAM: another copy of the program to run.
    HWND OpenDialog(const char* workingDirectory = nullptr)
    {
        const char* copy = getenv("WINE_TEST_PROGRAM");
        m_program = std::make_unique<Program>(copy ? copy : ProgramPath("AdvancedSettings.exe"), "", workingDirectory);
        return m_program->Started() ? WaitForWindow(m_program->Id(), kCaption) : nullptr;
    }

    // Clicks a button the way a user does and returns when the dialog answers again.
    static ::testing::AssertionResult Click(HWND dialog, int id)
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &result))
            return ::testing::AssertionFailure() << "no answer to the click on " << id;
        return ::testing::AssertionSuccess();
    }

    // Presses a key on the dialog's focused control, as a user does.
    static bool PressKey(HWND dialog, WPARAM key)
    {
        GUITHREADINFO gui = {};
        gui.cbSize = sizeof(gui);
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui) && gui.hwndFocus &&
               PostMessageA(gui.hwndFocus, WM_KEYDOWN, key, 0);
    }

    // Waits for the start of a helper that began at `after` or later.
    static std::vector<HelperEvent> StartsAfter(unsigned long long after, const char* log = kHelperLog)
    {
        std::vector<HelperEvent> starts;
        for (int i = 0; i < 100; ++i) {
            starts.clear();
            for (const HelperEvent& start : EventsOfKind(ReadHelperLog(log), "start"))
                if (EventTime(start) >= after)
                    starts.push_back(start);
            if (!starts.empty())
                break;
            Sleep(50);
        }
        return starts;
    }

    std::unique_ptr<Program> m_program;
};

TEST_F(ApplyTest, ApplyQuitsTheHelperSavesWaitsAndStartsItAgain)
{
    ASSERT_TRUE(StartHelper());
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(Click(dialog, IDC_KEEP_KEYSTROKES));  // 1 -> 0
    ASSERT_TRUE(Click(dialog, IDC_TRACKING_SPEED));

    const unsigned long long clicked = SystemMilliseconds();
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    const unsigned long long answered = SystemMilliseconds();
    EXPECT_GE(answered - clicked, kRestartDelayMs);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Apply must keep the dialog open";

    const std::vector<HelperEvent> starts = StartsAfter(clicked);
    ASSERT_EQ(1u, starts.size()) << "the helper was not started again";
    EXPECT_GE(EventTime(starts[0]), clicked + kRestartDelayMs);
    const HelperEvent& seen = starts[0];
    EXPECT_EQ("On", seen.at("UseTSGameScheme"));
    EXPECT_EQ("Speed", seen.at("OptimizeTracking"));
    EXPECT_EQ("0", seen.at("GamerMappingKeys"));
    EXPECT_EQ("1", seen.at("GamerScaling"));
    EXPECT_EQ("0", seen.at("GamerAcceleration"));

    const std::vector<HelperEvent> log = ReadHelperLog(kHelperLog);
    const std::vector<HelperEvent> quits = EventsOfKind(log, "quit");
    ASSERT_EQ(1u, quits.size());
    EXPECT_EQ("1", quits[0].at("instances"));
    // The quit request went out before the first write, to the machine key.
    EXPECT_LE(EventTime(quits[0], "created"), KeyLastWriteMs(HKEY_LOCAL_MACHINE, kTechnicalKey));
    EXPECT_LT(EventTime(quits[0], "created"), clicked + kRestartDelayMs);
    EXPECT_EQ(1u, EventsOfKind(log, "exit").size()) << "the old instance did not quit";
}

TEST_F(ApplyTest, ApplyWithoutRunningHelperStartsOneAndSendsNoQuit)
{
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    const unsigned long long clicked = SystemMilliseconds();
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    EXPECT_EQ(1u, StartsAfter(clicked).size());
    EXPECT_TRUE(EventsOfKind(ReadHelperLog(kHelperLog), "quit").empty());
    EXPECT_EQ(Sz("On"), RenderedValue(HKEY_LOCAL_MACHINE, kTechnicalKey, "UseTSGameScheme"));
}

TEST_F(ApplyTest, TwoRunningHelpersGetOneQuitRequest)
{
    ASSERT_TRUE(StartHelper());
    ASSERT_TRUE(StartHelper());
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    const std::vector<HelperEvent> log = ReadHelperLog(kHelperLog);
    ASSERT_EQ(1u, EventsOfKind(log, "quit").size());
    EXPECT_EQ("2", EventsOfKind(log, "quit")[0].at("instances"));
    EXPECT_EQ(2u, EventsOfKind(log, "exit").size());
}

TEST_F(ApplyTest, InstallDirectoryIsUsedAsItStands)
{
    for (const std::string& directory : {std::string(kInstallDirectory) + "\\", std::string("C:/DrivonaE2E")}) {
        SCOPED_TRACE(directory);
        ASSERT_TRUE(Install("9.80", directory));
        DeleteFileA(kHelperLog);
        ASSERT_TRUE(StartHelper());
        const HWND dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        const unsigned long long clicked = SystemMilliseconds();
        ASSERT_TRUE(Click(dialog, IDC_APPLY));
        EXPECT_EQ(1u, EventsOfKind(ReadHelperLog(kHelperLog), "quit").size());
        EXPECT_EQ(1u, StartsAfter(clicked).size());
        EndLeftovers();
    }
}

// Without an absolute install directory the helper's path would be resolved against
// the current directory or drive: nothing may be started from there.
TEST_F(ApplyTest, InstallDirectoryThatIsNotAbsoluteStartsNothing)
{
    struct Case {
        const char* directory;  // null: no "Drivona Directory" value
        const char* plantedIn;  // where the path leads from C:\, the current directory
    } cases[] = {{nullptr, "C:\\System"}, {"", "C:\\System"}, {"Drivona", "C:\\Drivona\\System"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directory ? c.directory : "no value");
        const std::string planted = std::string(c.plantedIn) + "\\dv_host.exe";
        CreateDirectoryA("C:\\Drivona", nullptr);
        CreateDirectoryA(c.plantedIn, nullptr);
        ASSERT_TRUE(CopyFileA(ProgramPath("dv_host.exe").c_str(), planted.c_str(), FALSE));
        DeleteKeyTree(HKEY_CURRENT_USER, expected::kVendorKey);
        ASSERT_TRUE(Install("9.80", ""));
        if (c.directory) {
            ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, expected::kSetupKey, "Drivona Directory", SzValue(c.directory)));
        }
        ASSERT_TRUE(StartHelper(planted));  // also a running helper: no quit request may be sent either
        const HWND dialog = OpenDialog("C:\\");
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(Click(dialog, IDC_KEEP_ORIENTATION));
        const std::set<DWORD> helpers = ProcessesNamed("dv_host.exe");
        ASSERT_EQ(1u, helpers.size()) << "not only the planted helper runs";
        ASSERT_TRUE(Click(dialog, IDC_APPLY));
        // Apply returns after its starts, which create their processes at once: a quit request
        // or a start would show as a helper that ended or as one more.
        EXPECT_EQ(helpers, ProcessesNamed("dv_host.exe")) << "a program below the current directory was started";
        EXPECT_EQ(Dword(0), RenderedValue(HKEY_CURRENT_USER, kGamingKey, "GamerOrientation")) << "settings not saved";
        EXPECT_TRUE(WaitUntilResponsive(dialog, 1000)) << "the dialog does not answer";
        EndLeftovers();
        DeleteFileA(planted.c_str());
    }
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The program's dialog template, created in this process as the model of the program's dialog.
HWND CreateModel()
{
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ADVANCED_SETTINGS), nullptr, Inert, 0);
}

std::vector<HWND> Controls(HWND dialog)
{
    std::vector<HWND> controls;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        controls.push_back(control);
    return controls;
}

// Run in the usual session and in one whose ANSI code page has no umlauts: the texts are the template's all the same.
TEST_F(ApplyTest, DialogShowsTheTemplatesTexts)
{
    ASSERT_EQ(AskedCodePage(), GetACP()) << "the session is not at the code page asked for";
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    const HWND model = CreateModel();
    ASSERT_EQ(L"\u00DCbernehmen", UnicodeWindowText(GetDlgItem(model, IDC_APPLY)));
    EXPECT_EQ(UnicodeWindowText(model), UnicodeWindowText(dialog));
    const std::vector<HWND> expected = Controls(model), shown = Controls(dialog);
    ASSERT_EQ(expected.size(), shown.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(UnicodeWindowText(expected[i]), UnicodeWindowText(shown[i])) << "control " << i;
    DestroyWindow(model);
}

// Run at 96, 144 and 192 dpi, each in a Wine session that starts at that scale (WINE_TEST_DPI): the dialog is as wide
// as its template laid out in this DPI-aware process, every control lies inside the client area, one that meets a
// group box lies wholly inside it, and no other two meet. A picture per scale is left in the build folder.
TEST_F(ApplyTest, DialogLaysOutAtTheDisplayScale)
{
    SetProcessDPIAware();  // whatever the manifest says: the model must be laid out at the display's scale
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const char* asked = getenv("WINE_TEST_DPI");
    ASSERT_EQ(asked ? atoi(asked) : 96, dpi) << "the session is not at the scale asked for";
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    const HWND model = CreateModel();
    RECT client = {}, modelClient = {};
    GetClientRect(dialog, &client);
    GetClientRect(model, &modelClient);
    const size_t templateControls = Controls(model).size();
    DestroyWindow(model);
    EXPECT_GT(modelClient.right, 300);
    EXPECT_EQ(modelClient.right, client.right) << "not laid out at this scale";
    Sleep(300);  // the first painting
    EXPECT_TRUE(SaveWindowPng(dialog, (BUILD_FOLDER "/dialog-" + std::to_string(dpi) + "dpi.png").c_str()));
    const auto isGroupBox = [](HWND control) {
        return (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    };
    std::vector<std::pair<HWND, RECT>> controls;  // with their places in the client area
    for (HWND control : Controls(dialog)) {
        controls.push_back({control, {}});
        GetWindowRect(control, &controls.back().second);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&controls.back().second), 2);
    }
    ASSERT_GT(templateControls, 0u);
    EXPECT_EQ(templateControls, controls.size());
    for (auto a = controls.begin(); a != controls.end(); ++a) {
        RECT common = {};
        EXPECT_TRUE(IntersectRect(&common, &a->second, &client) && EqualRect(&common, &a->second))
            << WindowText(a->first) << " leaves the client area";
        for (auto b = a + 1; b != controls.end(); ++b)
            EXPECT_TRUE(!IntersectRect(&common, &a->second, &b->second) ||
                        (isGroupBox(b->first) && EqualRect(&common, &a->second)) ||
                        (isGroupBox(a->first) && EqualRect(&common, &b->second)))
                << WindowText(a->first) << " meets " << WindowText(b->first);
    }
}

TEST(HelperPath, OnlyBelowAnAbsoluteDirectory)
{
    const struct {
        const char* directory;
        const char* path;  // "": nothing is started
    } cases[] = {
        {"C:\\Programme\\Drivona", "C:\\Programme\\Drivona\\System\\dv_host.exe"},
        {"d:\\", "d:\\\\System\\dv_host.exe"},
        {"C:\\Programme\\Drivona\\", "C:\\Programme\\Drivona\\\\System\\dv_host.exe"},
        {"\\\\server\\share\\Drivona", "\\\\server\\share\\Drivona\\System\\dv_host.exe"},
        {"\\\\server\\share", "\\\\server\\share\\System\\dv_host.exe"},
        {"C:/Programme/Drivona", "C:/Programme/Drivona\\System\\dv_host.exe"},
        {"//server/share/", "//server/share/\\System\\dv_host.exe"},
        {"\\\\server/share", "\\\\server/share\\System\\dv_host.exe"},
        {"/\\server\\share", "/\\server\\share\\System\\dv_host.exe"},
        {"", ""},
        {"Drivona", ""},
        {"Programme\\Drivona", ""},
        {"C:Drivona", ""},
        {"C:", ""},
        {"\\Drivona", ""},
        {"/Drivona", ""},
        {"   ", ""},
        {" C:\\Drivona", ""},
        {"1:\\Drivona", ""},
        {"\\\\server", ""},
        {"\\\\server\\", ""},
        {"\\\\\\share", ""},
        {"//server", ""},
        {"//server/", ""},
        {"///share", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.path, HelperPathBelow(c.directory)) << '"' << c.directory << '"';
}

// OK, clicked or pressed as Enter on the focused control, applies, then closes: the first one turns game detection off,
// the second on again.
TEST_F(ApplyTest, OkAndEnterApplyThenClose)
{
    ASSERT_TRUE(StartHelper());
    for (const int key : {0, VK_RETURN}) {
        SCOPED_TRACE(key ? "Enter" : "OK");
        const HWND dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(Click(dialog, IDC_GAME_DETECTION));
        const unsigned long long clicked = SystemMilliseconds();
        ASSERT_TRUE(key ? PressKey(dialog, key) : PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0));
        ASSERT_TRUE(m_program->HasEnded(20000));
        EXPECT_GE(SystemMilliseconds() - clicked, kRestartDelayMs);
        const std::vector<HelperEvent> starts = StartsAfter(clicked);
        ASSERT_EQ(1u, starts.size());
        EXPECT_EQ(key ? "On" : "Off", starts[0].at("UseTSGameScheme"));
    }
    EXPECT_EQ(2u, EventsOfKind(ReadHelperLog(kHelperLog), "quit").size());
}

TEST_F(ApplyTest, EscapeAndCancelWriteNothingAndLeaveTheHelperAlone)
{
    ASSERT_TRUE(StartHelper());
    for (const int key : {VK_ESCAPE, 0}) {
        SCOPED_TRACE(key ? "Escape" : "Cancel");
        const HWND dialog = OpenDialog();
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(Click(dialog, IDC_GAME_DETECTION));
        ASSERT_TRUE(key ? PressKey(dialog, key) : PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0));
        ASSERT_TRUE(m_program->HasEnded(3000));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTechnicalKey));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, expected::kVendorKey));
    }
    const std::vector<HelperEvent> log = ReadHelperLog(kHelperLog);
    EXPECT_TRUE(EventsOfKind(log, "quit").empty());
    EXPECT_EQ(1u, EventsOfKind(log, "start").size());
}

TEST_F(ApplyTest, CancelAfterApplyKeepsTheAppliedValues)
{
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(Click(dialog, IDC_KEEP_SPEED));
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    ASSERT_TRUE(Click(dialog, IDC_KEEP_SPEED));  // changed back, but cancelled
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(m_program->HasEnded(3000));
    EXPECT_EQ(Dword(0), RenderedValue(HKEY_CURRENT_USER, kGamingKey, "GamerScaling"));
}

::testing::AssertionResult SetSystemMouse(int threshold1, int threshold2, int acceleration)
{
    int record[3] = {threshold1, threshold2, acceleration};
    if (!SystemParametersInfoA(SPI_SETMOUSE, 0, record, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE))
        return ::testing::AssertionFailure() << "cannot set the mouse record";
    return ::testing::AssertionSuccess();
}

// The texts that the system keeps of the mouse record. Another process's changes
// reach the registry, while this process may still hold older values.
std::string SystemMouseRecord()
{
    std::string record;
    for (const char* name : {"MouseThreshold1", "MouseThreshold2", "MouseSpeed"}) {
        const std::optional<RegValue> value = GetValue(HKEY_CURRENT_USER, kMouse, name);
        record += (record.empty() ? "" : ",") + (value ? std::string(value->data.c_str()) : "?");
    }
    return record;
}

TEST_F(ApplyTest, OlderDriverNeverTouchesTheHandOverValues)
{
    ASSERT_TRUE(Install("9.79", kInstallDirectory));
    ASSERT_TRUE(SetSystemMouse(6, 10, 1));
    ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod", SzValue("Windows")));
    const HWND dialog = OpenDialog();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_METHOD_DRIVER)));
    ASSERT_TRUE(Click(dialog, IDC_RESTORE_DEFAULTS));  // selects the driver method in the dialog
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    EXPECT_EQ(Sz("Windows"), RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod"));
    for (const char* name : {"WindowsSpeed", "WindowsAccel", "ClearMSAccSet"})
        EXPECT_EQ("absent", RenderedValue(HKEY_CURRENT_USER, kTechnicalKey, name)) << name;
    EXPECT_EQ("absent", RenderedValue(HKEY_LOCAL_MACHINE, kTechnicalKey, "ResetWinModif"));
    EXPECT_EQ("6,10,1", SystemMouseRecord());
}

TEST_F(ApplyTest, ToolhelpFindsTheHelperWhenPsapiIsMissing)
{
    ASSERT_TRUE(StartHelper());
    SetEnvironmentVariableA("WINEDLLOVERRIDES", "psapi=d");
    const HWND dialog = OpenDialog();
    SetEnvironmentVariableA("WINEDLLOVERRIDES", nullptr);
    ASSERT_TRUE(dialog);
    const unsigned long long clicked = SystemMilliseconds();
    ASSERT_TRUE(Click(dialog, IDC_APPLY));
    EXPECT_EQ(1u, EventsOfKind(ReadHelperLog(kHelperLog), "quit").size());
    EXPECT_EQ(1u, StartsAfter(clicked).size());
}

}  // namespace
