// The snapshot of real processes under the back-end that the running system offers.
// The program is built once for each back-end: the Toolhelp build runs with PSAPI.DLL
// turned off, and both check that the list did pick the back-end they expect.
#include "process/ProcessList.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/Text.h"
#include "driver/HelperPath.h"
#include "driver/HelperSearch.h"
#include "process/BaseName.h"
#include "process/PsapiEnumerator.h"
#include "process/ScopedHandle.h"
#include "process/ToolhelpEnumerator.h"
#include "tests/process/ChildProcesses.h"

#if defined(EXPECT_TOOLHELP)
#define LIVE_SUITE ToolhelpBackEnd
using ExpectedEnumerator = ToolhelpEnumerator;
const bool kPsapi = false;
#else
#define LIVE_SUITE PsapiBackEnd
using ExpectedEnumerator = PsapiEnumerator;
const bool kPsapi = true;
#endif

namespace {

std::vector<const ProcessEntry*> EntriesOf(const ProcessList& list, DWORD processId)
{
    std::vector<const ProcessEntry*> found;
    for (DWORD i = 0; i < list.Count(); ++i) {
        const auto* entry = dynamic_cast<const ProcessEntry*>(list.At(i));
        EXPECT_NE(nullptr, entry) << "entry " << i << " is no process entry";
        if (entry && entry->ProcessId() == processId)
            found.push_back(entry);
    }
    return found;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Process ids with the lower-case base names of their executables, walked by Toolhelp itself.
std::map<DWORD, std::string> WalkProcesses()
{
    std::map<DWORD, std::string> processes;
    ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 record = {};
    record.dwSize = sizeof record;
    for (BOOL more = snapshot.IsValid() && Process32First(snapshot.Get(), &record); more;
         more = Process32Next(snapshot.Get(), &record))
        processes[record.th32ProcessID] = Lower(BaseNameOf(record.szExeFile));
    return processes;
}

// PSAPI names a process by its executable's module, which it cannot read from a 32-bit program
// in a 64-bit process (such as Wine's own system processes): it leaves out just those.
bool PsapiCanList(DWORD processId)
{
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)
        return true;
    ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process.IsValid() && IsWow64Process(process.Get(), &wow64) && wow64;
}

struct Module {
    DWORD value;
    std::string path;  // in lower case: the two back-ends need not agree on letter case

    bool operator<(const Module& other) const { return value < other.value; }
    bool operator==(const Module& other) const { return value == other.value && path == other.path; }
};

// The modules of a process as the system lists them, to hold the back-ends' result against.
std::vector<Module> SystemModules(DWORD processId, DWORD* executable, const char* executableName)
{
    std::vector<Module> modules;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return modules;
    MODULEENTRY32 record = {};
    record.dwSize = sizeof record;
    for (BOOL more = Module32First(snapshot, &record); more; more = Module32Next(snapshot, &record)) {
        const DWORD value = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(record.hModule));
        if (text::EqualsIgnoreCase(record.szModule, executableName))
            *executable = value;
        else
            modules.push_back({value, Lower(record.szExePath)});
    }
    CloseHandle(snapshot);
    std::sort(modules.begin(), modules.end());
    return modules;
}

std::vector<Module> EntryModules(const ModuleEntry& entry)
{
    std::vector<Module> modules;
    for (DWORD i = 0; entry.Modules() && i < entry.Modules()->Count(); ++i) {
        const ModuleEntry* module = entry.Modules()->At(i);
        modules.push_back({module->Module(), Lower(module->Name())});
    }
    std::sort(modules.begin(), modules.end());
    return modules;
}

class LIVE_SUITE : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

TEST_F(LIVE_SUITE, ListUsesTheExpectedBackEnd)
{
    EXPECT_EQ(kPsapi, IsPsapiAvailable());
    EXPECT_TRUE(IsToolhelpAvailable());
    ProcessList list;
    EXPECT_NE(nullptr, dynamic_cast<const ExpectedEnumerator*>(list.Enumerator()));
}

// The helper is found by the file name of its executable alone, in any folder and any
// letter case; names that only contain it do not count. Started in this order, the
// helper runs from the first case that is one.
TEST_F(LIVE_SUITE, FindsTheHelperByItsBaseNameInAnyFolderAndLetterCase)
{
    struct Case {
        const char* path;
        const char* fileName;
        bool helperRuns;
    } cases[] = {
        {"c\\dv_host.exe.old", "dv_host.exe.old", false},
        {"d\\my_dv_host.exe", "my_dv_host.exe", false},
        {"b\\DV_HOST.EXE", "DV_HOST.EXE", true},
        {"a\\dv_host.exe", "dv_host.exe", true},
    };
    ASSERT_FALSE(IsProgramRunning(kHelperFileName)) << "a helper runs already";
    std::vector<std::unique_ptr<Program>> children;
    for (const Case& c : cases) {
        children.push_back(scratch.Start(c.path));
        ASSERT_NE(nullptr, children.back());
        EXPECT_EQ(c.helperRuns, IsProgramRunning(kHelperFileName)) << c.path;
    }

    ProcessList list;
    const auto start = std::chrono::steady_clock::now();
    const int result = list.Refresh();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(1, result);
    std::printf("Refresh: %.1f ms for %lu processes\n", took.count(), list.Count());
    RecordProperty("RefreshMicroseconds", static_cast<int>(took.count() * 1000));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const std::vector<const ProcessEntry*> entries = EntriesOf(list, children[i]->Id());
        ASSERT_EQ(1u, entries.size()) << c.path;
        EXPECT_TRUE(text::EqualsIgnoreCase(c.fileName, entries[0]->BaseName())) << c.path << ": " << entries[0]->Name();
        if (kPsapi) {
            const std::string path = scratch.Path() + "\\" + c.path;
            EXPECT_TRUE(text::EqualsIgnoreCase(path.c_str(), entries[0]->Name()))
                << path << " against " << entries[0]->Name();
        }
    }
}

TEST_F(LIVE_SUITE, ModulesAreThoseOfTheProcessWithoutItsExecutable)
{
    auto child = scratch.Start("dv_host.exe");
    ASSERT_NE(nullptr, child);
    ProcessList list;
    ASSERT_EQ(1, list.Refresh());
    const std::vector<const ProcessEntry*> entries = EntriesOf(list, child->Id());
    ASSERT_EQ(1u, entries.size());
    const ProcessEntry& entry = *entries[0];

    DWORD executable = 0;
    const std::vector<Module> expected = SystemModules(child->Id(), &executable, "dv_host.exe");
    ASSERT_NE(0u, executable) << "the system lists the executable's module";
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, EntryModules(entry));
    if (kPsapi) {
        EXPECT_EQ(executable, entry.Module()) << "the first module is the entry's own";
    }

    bool kernel = false;
    for (DWORD i = 0; i < entry.Modules()->Count(); ++i) {
        const ModuleEntry* module = entry.Modules()->At(i);
        EXPECT_FALSE(text::EqualsIgnoreCase("dv_host.exe", module->BaseName())) << module->Name();
        EXPECT_EQ(nullptr, module->Modules());
        kernel = kernel || text::EqualsIgnoreCase("kernel32.dll", module->BaseName());
    }
    EXPECT_TRUE(kernel);
}

TEST_F(LIVE_SUITE, SecondRefreshHoldsOnlyWhatRunsThen)
{
    auto leaving = scratch.Start("leaving\\dv_host.exe");
    auto staying = scratch.Start("staying\\dv_host.exe");
    ASSERT_NE(nullptr, leaving);
    ASSERT_NE(nullptr, staying);
    ProcessList list;
    ASSERT_EQ(1, list.Refresh());
    EXPECT_EQ(1u, EntriesOf(list, leaving->Id()).size());

    leaving->Kill();
    ASSERT_EQ(1, list.Refresh());
    EXPECT_TRUE(EntriesOf(list, leaving->Id()).empty());
    EXPECT_EQ(1u, EntriesOf(list, staying->Id()).size());
}

// Other processes of the prefix may come and go meanwhile: each that runs both before and
// after the refresh is listed, once, with its id and name; also by a list refreshed before.
TEST_F(LIVE_SUITE, ListHoldsOnceEachProcessOfTheWalksAroundIt)
{
    std::vector<std::unique_ptr<Program>> children;
    for (const char* path : {"a\\dv_host.exe", "b\\Second.EXE", "c\\third.exe"})
        ASSERT_NE(nullptr, children.emplace_back(scratch.Start(path)));
    ProcessList list;
    ASSERT_EQ(1, list.Refresh());
    const std::map<DWORD, std::string> before = WalkProcesses();
    ASSERT_EQ(1, list.Refresh());
    const std::map<DWORD, std::string> after = WalkProcesses();

    std::map<DWORD, std::string> listed;
    for (DWORD i = 0; i < list.Count(); ++i) {
        const auto* entry = static_cast<const ProcessEntry*>(list.At(i));
        EXPECT_TRUE(listed.emplace(entry->ProcessId(), Lower(entry->BaseName())).second)
            << entry->Name() << " (" << entry->ProcessId() << ") is listed twice";
    }
    for (const auto& child : children)
        EXPECT_TRUE(before.count(child->Id()) && after.count(child->Id())) << "a walk misses child " << child->Id();
    for (const auto& [id, name] : before) {
        const auto own = [id = id](const std::unique_ptr<Program>& child) { return child->Id() == id; };
        if (after.count(id) == 0 || after.at(id) != name)
            continue;  // it came, went or was followed by another under its id
        if (kPsapi && !PsapiCanList(id) && std::none_of(children.begin(), children.end(), own))
            continue;
        EXPECT_EQ(name, listed.count(id) ? listed[id] : "(not listed)") << "process " << id << ", seen by both walks";
    }
}

TEST_F(LIVE_SUITE, ListsThisVeryProgram)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    ProcessList list;
    ASSERT_EQ(1, list.Refresh());
    const std::vector<const ProcessEntry*> entries = EntriesOf(list, GetCurrentProcessId());
    ASSERT_EQ(1u, entries.size());
    EXPECT_TRUE(text::EqualsIgnoreCase(BaseNameOf(path), entries[0]->BaseName())) << entries[0]->Name();
    if (kPsapi) {
        EXPECT_TRUE(text::EqualsIgnoreCase(path, entries[0]->Name())) << entries[0]->Name();
    }
}

TEST_F(LIVE_SUITE, BackEndAloneCollectsModulesOfRunningProcessesOnly)
{
    auto running = scratch.Start("running\\dv_host.exe");
    auto ended = scratch.Start("ended\\dv_host.exe");
    ASSERT_NE(nullptr, running);
    ASSERT_NE(nullptr, ended);
    ended->Kill();

    // A back-end that has not walked the processes yet.
    EntryList entries;
    ExpectedEnumerator enumerator(entries);
    ProcessEntry alive("C:\\running\\dv_host.exe", 0, running->Id());
    ProcessEntry gone("C:\\ended\\dv_host.exe", 0, ended->Id());
    EXPECT_EQ(1, alive.CollectModules(enumerator));
    EXPECT_EQ(1, gone.CollectModules(enumerator));
    ASSERT_NE(nullptr, alive.Modules());
    DWORD executable = 0;
    EXPECT_EQ(SystemModules(running->Id(), &executable, "dv_host.exe"), EntryModules(alive));
    EXPECT_EQ(nullptr, gone.Modules());
    EXPECT_EQ(0u, entries.Count()) << "modules go to the entry, never to the list";
}

#if !defined(EXPECT_TOOLHELP)
TEST_F(PsapiBackEnd, LibraryIsLoadedOnceAndReleasedOnce)
{
    ASSERT_EQ(nullptr, GetModuleHandleA("psapi.dll")) << "nothing else holds the library";
    HMODULE held = LoadLibraryA("PSAPI.DLL");
    ASSERT_NE(nullptr, held);
    {
        ProcessList list;
        ASSERT_EQ(1, list.Refresh());
        ASSERT_EQ(1, list.Refresh());
    }
    EXPECT_EQ(held, GetModuleHandleA("psapi.dll")) << "released more often than loaded";
    FreeLibrary(held);
    EXPECT_EQ(nullptr, GetModuleHandleA("psapi.dll")) << "still loaded after the list is gone";

    {
        EntryList entries;
        PsapiEnumerator unused(entries);
    }
    EXPECT_EQ(nullptr, GetModuleHandleA("psapi.dll"));
}
#endif

}  // namespace
