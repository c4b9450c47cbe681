// Opening the settings dialog and closing it again, fifty times, the way a user
// would: with the close box or with Cancel, from another thread.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/soak/ResourceMeter.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ModalDialog.h"
#include "tests/support/ScratchRegistry.h"

namespace {

TEST(DialogSoak, FiftyOpenedAndClosed)
{
    constexpr int kCycles = 50;
    ScratchRegistry scratch;
    ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, expected::kSetupKey, "ProductID", SzValue("9.80")));
    int cancelled = 0;
    int speedMethodEnabled = 0;
    const ResourceTrend trend = Soak(kCycles, 1, [&](int i) {
        ModalDialog dialog;
        speedMethodEnabled += dialog.Enabled(IDC_METHOD_WINDOWS);
        if (i % 2 == 0)
            PostMessageA(dialog.Window(), WM_CLOSE, 0, 0);
        else
            PostMessageA(dialog.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        cancelled += dialog.WaitForEnd() == IDCANCEL;
    });
    EXPECT_EQ(kCycles, cancelled);
    EXPECT_EQ(kCycles, speedMethodEnabled);
    ExpectNoGrowth(trend, "50 dialogs");
}

}  // namespace
