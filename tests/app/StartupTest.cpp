// The real program, started as a user would, against the registry of this test
// group's own Wine prefix.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/Program.h"
#include "tests/support/ScratchRegistry.h"
#include "tools/install_driver/DriverInstall.h"

namespace {

const char kMessage[] =
    "Das Dienstprogramm \"Drivona - Erweiterte Einstellungen\" kann nur mit Drivona 9.76 oder h\xF6her "
    "eingesetzt werden. Aktualisieren Sie Drivona, bevor Sie das Dienstprogramm starten.";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, expected::kVendorKey);
        DeleteKeyTree(HKEY_CURRENT_USER, expected::kVendorKey);
    }
    void TearDown() override
    {
        driver_install::Uninstall();
        DeleteKeyTree(HKEY_CURRENT_USER, expected::kVendorKey);
    }

    static bool DrivonaKeysWritten()
    {
        return KeyExists(HKEY_LOCAL_MACHINE, expected::kTechnicalKey) ||
               KeyExists(HKEY_CURRENT_USER, expected::kVendorKey);
    }
};

TEST_F(StartupTest, TooOldOrMissingDriverShowsTheMessageAndEnds)
{
    // The version rule itself is tested on its own; here, too old and no driver at all. The caption is the program's
    // file name, also that of a copy named with Greek and Cyrillic letters, which no ANSI code page holds together.
    ASSERT_EQ(AskedCodePage(), GetACP()) << "the session is not at the code page asked for";
    const struct {
        const char* version;
        const wchar_t* copy;  // null: the program itself
    } starts[] = {{"9.75", nullptr}, {nullptr, L"Einstellungen \x394\x416"}};
    for (const auto& start : starts) {
        SCOPED_TRACE(start.version ? start.version : "no driver");
        if (start.version) {
            driver_install::Options options;
            options.productId = start.version;
            ASSERT_TRUE(driver_install::Install(options));
        } else {
            driver_install::Uninstall();
        }
        // The copy goes to this group's own drive. Wine sessions at another code page run here without their C
        // library locale, with file names in ASCII alone: the program runs under its own name there.
        std::wstring path = FromWindows1252(ProgramPath("AdvancedSettings.exe").c_str()), caption = L"AdvancedSettings";
        const std::wstring copy = start.copy ? std::wstring(L"C:\\") + start.copy + L".exe" : L"";
        if (start.copy && CopyFileW(path.c_str(), copy.c_str(), FALSE)) {
            path = copy;
            caption = start.copy;
        }
        EXPECT_TRUE(!start.copy || path == copy || AskedCodePage() != 1252) << "no copy where file names are UTF-8";
        const std::unique_ptr<const wchar_t, BOOL(WINAPI*)(LPCWSTR)> removeCopy(path == copy ? copy.c_str() : nullptr,
                                                                                DeleteFileW);
        Program program(path);
        const HWND box = WaitForWindow(program.Id(), caption);
        ASSERT_TRUE(box) << "no message box";
        std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
        ASSERT_EQ(1u, buttons.size());
        EXPECT_EQ(IDOK, GetDlgCtrlID(buttons[0]));  // its text is in the language of the system
        bool textFound = false;
        for (HWND label : ChildrenOfClass(box, "Static"))
            textFound = textFound || UnicodeWindowText(label) == FromWindows1252(kMessage);
        EXPECT_TRUE(textFound) << "the message text is not shown";
        EXPECT_FALSE(program.HasEnded(200)) << "ended before the message was answered";
        SendMessageA(buttons[0], BM_CLICK, 0, 0);
        EXPECT_TRUE(program.HasEnded(10000));
        EXPECT_EQ(0u, program.ExitCode());
        EXPECT_FALSE(DrivonaKeysWritten());
    }
}

TEST_F(StartupTest, SupportedDriverOpensTheDialogAndEndsWithIt)
{
    driver_install::Options options;
    options.productId = "9.76";
    ASSERT_TRUE(driver_install::Install(options));
    Program program(ProgramPath("AdvancedSettings.exe"));
    const HWND dialog = WaitForWindow(program.Id(), L"Drivona - Erweiterte Einstellungen");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // The help command finds no help file and changes nothing.
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    EXPECT_TRUE(IsWindow(dialog));
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.HasEnded(10000));
    EXPECT_FALSE(DrivonaKeysWritten());
}

// How a program of this build, started as a debuggee, ended: the last exception that reached the debugger beside the
// loader's breakpoint (none: 0), its first parameter, and the exit code.
struct Ending {
    DWORD exception = 0;
    ULONG_PTR parameter = 0;
    DWORD exitCode = STILL_ACTIVE;
};

Ending RunAsDebuggee(const char* name, const std::string& arguments = "")
{
    const Program program(ProgramPath(name), arguments, nullptr, DEBUG_ONLY_THIS_PROCESS);
    Ending ending;
    DEBUG_EVENT event = {};
    while (program.Started() && ending.exitCode == STILL_ACTIVE && WaitForDebugEvent(&event, 10000)) {
        const auto& record = event.u.Exception.ExceptionRecord;
        const bool exception =
            event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT && record.ExceptionCode != EXCEPTION_BREAKPOINT;
        if (exception)
            ending = {record.ExceptionCode, record.NumberParameters ? record.ExceptionInformation[0] : 0};
        else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT)
            CloseHandle(event.u.CreateProcessInfo.hFile);
        else if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT)
            CloseHandle(event.u.LoadDll.hFile);
        else if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            ending.exitCode = event.u.ExitProcess.dwExitCode;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, exception ? DBG_EXCEPTION_NOT_HANDLED : DBG_CONTINUE);
    }
    return ending;
}

// Each process has a guard of its own, neither 0 nor the platform's default, whether the loader seeds it through the
// load configuration or the program itself without one: the program ends with it when it overruns nothing. Built as the
// shipped program is, a program that overruns a stack buffer ends at the guard through the platform's fail-fast, which
// a debugger sees as its exception; without the guard, it returns into the overwritten address and crashes.
TEST(StackGuard, EachProcessHasItsOwnGuardAndAnOverrunEndsAtIt)
{
    const DWORD kDefault = sizeof(void*) == 8 ? 0x2DDFA232 : 0xBB40E64E;  // low 32 bits
    for (const char* name : {"stack_overrun.exe", "stack_overrun_no_load_config.exe"}) {
        const DWORD guards[] = {RunAsDebuggee(name).exitCode, RunAsDebuggee(name).exitCode};
        for (const DWORD guard : guards)
            EXPECT_TRUE(guard != 0 && guard != kDefault) << name << std::hex << guard;
        EXPECT_NE(guards[0], guards[1]) << name;
    }
    ASSERT_TRUE(IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE));  // else the overrun takes the other path
    const Ending overrun = RunAsDebuggee("stack_overrun.exe", std::string(64, 'A'));
    EXPECT_EQ(STATUS_STACK_BUFFER_OVERRUN, overrun.exception);
    EXPECT_EQ(ULONG_PTR{FAST_FAIL_STACK_COOKIE_CHECK_FAILURE}, overrun.parameter);
    EXPECT_EQ(STATUS_STACK_BUFFER_OVERRUN, overrun.exitCode);
    const Ending unguarded = RunAsDebuggee("stack_overrun_unguarded.exe", std::string(64, 'A'));
    EXPECT_EQ(STATUS_ACCESS_VIOLATION, unguarded.exception);
    EXPECT_EQ(STATUS_ACCESS_VIOLATION, unguarded.exitCode);
}

}  // namespace
