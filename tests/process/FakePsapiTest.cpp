// Runs beside a psapi.dll that lacks the process functions, loaded in place of the system's.
#include "process/ProcessList.h"

#include <gtest/gtest.h>

#include "process/PsapiEnumerator.h"

namespace {

TEST(IncompletePsapi, RefreshGivesAnEmptyListWithoutTryingToolhelp)
{
    ASSERT_TRUE(IsPsapiAvailable());
    ProcessList list;
    ASSERT_NE(nullptr, dynamic_cast<const PsapiEnumerator*>(list.Enumerator()))
        << "PSAPI is chosen because it loads, whatever it offers";
    EXPECT_EQ(0, list.Refresh());
    EXPECT_EQ(0u, list.Count());
    EXPECT_EQ(0, list.Refresh());
    EXPECT_EQ(0u, list.Count());

    HMODULE loaded = GetModuleHandleA("psapi.dll");
    ASSERT_NE(nullptr, loaded);
    EXPECT_NE(nullptr, GetProcAddress(loaded, "FakePsapiMarker")) << "the stand-in was loaded";
}

TEST(IncompletePsapi, BackEndReportsFailureForModulesToo)
{
    EntryList entries;
    PsapiEnumerator enumerator(entries);
    EXPECT_EQ(0, enumerator.ResolveFunctions());
    ProcessEntry self("self.exe", 0, GetCurrentProcessId());
    EXPECT_EQ(0, self.CollectModules(enumerator));
    EXPECT_EQ(nullptr, self.Modules());
    EXPECT_EQ(0, enumerator.EnumerateProcesses());
    EXPECT_EQ(0u, entries.Count());
}

}  // namespace
