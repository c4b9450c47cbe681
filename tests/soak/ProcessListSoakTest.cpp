// Refreshing the process list over and over, once with each back-end: this program
// is built a second time for the Toolhelp back-end and run with PSAPI.DLL turned off.
#include <gtest/gtest.h>

#include <algorithm>

#include "process/ProcessList.h"
#include "process/PsapiEnumerator.h"
#include "process/ToolhelpEnumerator.h"
#include "tests/soak/ResourceMeter.h"

namespace {

#if defined(EXPECT_TOOLHELP)
#define SOAK_SUITE ToolhelpListSoak
using ExpectedEnumerator = ToolhelpEnumerator;
#else
#define SOAK_SUITE PsapiListSoak
using ExpectedEnumerator = PsapiEnumerator;
#endif

TEST(SOAK_SUITE, FortyRefreshesOfOneList)
{
    // Wine's desktop process, which the list holds, stays while this process uses the desktop.
    GetDesktopWindow();
    ProcessList list;
    ASSERT_NE(nullptr, dynamic_cast<const ExpectedEnumerator*>(list.Enumerator()));
    int failures = 0;
    DWORD fewest = MAXDWORD;
    const ResourceTrend trend = Soak(40, 2, [&](int) {
        failures += list.Refresh() != 1;
        fewest = std::min(fewest, list.Count());
    });
    EXPECT_EQ(0, failures);
    EXPECT_GT(fewest, 0u);
    ExpectNoGrowth(trend, "40 refreshes of one list");
}

TEST(SOAK_SUITE, ThirtyListsMadeRefreshedAndDropped)
{
    int failures = 0;
    const ResourceTrend trend = Soak(30, 1, [&](int) {
        ProcessList list;
        failures += dynamic_cast<const ExpectedEnumerator*>(list.Enumerator()) == nullptr;
        failures += list.Refresh() != 1;
    });
    EXPECT_EQ(0, failures);
    ExpectNoGrowth(trend, "30 lists");
}

}  // namespace
