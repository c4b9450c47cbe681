// Measures the program from outside, the way scripts/bench needs it. Every measured
// value is one line "KIND LABEL MILLISECONDS"; a warm-up comes first and is not printed.
//
//   bench_driver startup RUNS EXE...   process start to its dialog visible and answering;
//                                      the programs take turns, RUNS starts each
//   bench_driver apply RUNS EXE...     Apply clicked to the dialog answering again; every
//                                      program's dialog stays open, and in each run Apply
//                                      is clicked in one after the other
//   bench_driver scan RUNS SLEEPER     looking for the helper among the running processes
//                                      through ProcessList and through one bare Toolhelp
//                                      walk, with 0, 50 and 200 extra processes (SLEEPER)
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "driver/HelperPath.h"
#include "driver/HelperSearch.h"
#include "process/ProcessList.h"
#include "resources/resource.h"
#include "tests/support/Program.h"

namespace {

const char kCaption[] = "Drivona - Erweiterte Einstellungen";
const char kSleepersReady[] = "DrivonaBenchSleepersReady";
const DWORD kWindowTimeoutMs = 20000;
const DWORD kAnswerTimeoutMs = 30000;
const int kExtraProcessCounts[] = {0, 50, 200};

double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Report(const char* kind, const std::string& label, double ms)
{
    std::printf("%s %s %.2f\n", kind, label.c_str(), ms);
    std::fflush(stdout);
}

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "bench_driver: %s: %s\n", what, detail.c_str());
    std::exit(1);
}

std::string BaseName(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A started program, ended when it goes out of scope.
std::unique_ptr<Program> Start(const std::string& path)
{
    auto program = std::make_unique<Program>(path);
    if (!program->Started())
        Fail("cannot start", path);
    return program;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[128] = {};
    if (owner == search->processId && IsWindowVisible(window) && GetWindowTextA(window, title, sizeof(title)) &&
        std::strcmp(title, kCaption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result) != 0;
}

// Polls for the program's visible dialog and returns it once it answers.
HWND WaitForDialog(const Program& program, const std::string& name)
{
    const double start = Now();
    while (Now() - start < kWindowTimeoutMs) {
        WindowSearch search = {program.Id(), nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found && Answers(search.found))
            return search.found;
        if (program.HasEnded(0))
            Fail("ended before its dialog opened", name);
        Sleep(1);
    }
    Fail("no dialog", name);
}

void CloseDialog(HWND dialog, const Program& program)
{
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    program.HasEnded(10000);
}

double StartUntilAnswering(const std::string& path)
{
    const double start = Now();
    const std::unique_ptr<Program> program = Start(path);
    const HWND dialog = WaitForDialog(*program, path);
    const double elapsed = Now() - start;
    CloseDialog(dialog, *program);
    return elapsed;
}

int Startup(int runs, const std::vector<std::string>& programs)
{
    for (const std::string& path : programs)
        StartUntilAnswering(path);
    for (int run = 0; run < runs; ++run)
        for (const std::string& path : programs)
            Report("startup", BaseName(path), StartUntilAnswering(path));
    return 0;
}

// A program's dialog, open for the Apply clicks.
struct OpenDialog {
    std::string path;
    std::unique_ptr<Program> program;
    HWND dialog;
    HWND apply;
};

int Apply(int runs, const std::vector<std::string>& programs)
{
    std::vector<OpenDialog> open;
    for (const std::string& path : programs) {
        std::unique_ptr<Program> program = Start(path);
        const HWND dialog = WaitForDialog(*program, path);
        const HWND apply = GetDlgItem(dialog, IDC_APPLY);
        if (!apply)
            Fail("no Apply button", path);
        open.push_back({path, std::move(program), dialog, apply});
    }
    for (int run = 0; run <= runs; ++run) {
        for (const OpenDialog& each : open) {
            const double start = Now();
            DWORD_PTR result = 0;
            // Returns once the click has been handled: the dialog's thread runs Apply inside it.
            if (!SendMessageTimeoutA(each.apply, BM_CLICK, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result) ||
                !Answers(each.dialog))
                Fail("Apply did not return", each.path);
            const double elapsed = Now() - start;
            if (run > 0)
                Report("apply", BaseName(each.path), elapsed);
            Sleep(300);  // lets the restarted helper settle before the next click
        }
    }
    for (const OpenDialog& each : open)
        CloseDialog(each.dialog, *each.program);
    return 0;
}

// What the program does on Apply to find its helper.
bool HelperFoundByProcessList()
{
    return IsProgramRunning(kHelperFileName);
}

// The least that finding a process by file name takes: one process snapshot.
bool HelperFoundByToolhelp()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(kHelperFileName, entry.szExeFile) == 0)
            running = true;
    }
    CloseHandle(snapshot);
    return running;
}

template <class Scan>
double Time(Scan scan, bool& found)
{
    const double start = Now();
    found = scan();
    return Now() - start;
}

int Scan(int runs, const std::string& sleeper)
{
    const char* backEnd = IsPsapiAvailable() ? "psapi" : "toolhelp";
    const HANDLE ready = CreateSemaphoreA(nullptr, 0, 1000, kSleepersReady);
    std::vector<std::unique_ptr<Program>> extra;
    for (const int count : kExtraProcessCounts) {
        while (static_cast<int>(extra.size()) < count) {
            extra.push_back(Start(sleeper));
            if (WaitForSingleObject(ready, 30000) != WAIT_OBJECT_0)
                Fail("a sleeper did not start", sleeper);
        }
        Sleep(500);
        const std::string label = std::string(backEnd) + "/" + std::to_string(count);
        for (int run = 0; run <= runs; ++run) {
            bool byList = false, byToolhelp = false;
            const double list = Time(HelperFoundByProcessList, byList);
            const double walk = Time(HelperFoundByToolhelp, byToolhelp);
            if (byList != byToolhelp)
                Fail("the two scans disagree about the helper", label);
            if (run > 0) {
                Report("scan-list", label, list);
                Report("scan-walk", label, walk);
            }
        }
    }
    CloseHandle(ready);
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: bench_driver startup RUNS EXE... | apply RUNS EXE... | scan RUNS SLEEPER\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return Usage();
    const std::string command = argv[1];
    const int runs = std::atoi(argv[2]);
    if (runs < 1)
        return Usage();
    if (command == "startup")
        return Startup(runs, std::vector<std::string>(argv + 3, argv + argc));
    if (command == "apply")
        return Apply(runs, std::vector<std::string>(argv + 3, argv + argc));
    if (command == "scan" && argc == 4)
        return Scan(runs, argv[3]);
    return Usage();
}
