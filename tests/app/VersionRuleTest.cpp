#include "app/VersionRule.h"

#include <gtest/gtest.h>

#include "app/DriverVersion.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ScratchRegistry.h"

namespace {

TEST(VersionRule, Table)
{
    for (const expected::Version& c : expected::kVersions) {
        EXPECT_EQ(c.supported, IsVersionAtLeast(c.productId, 76)) << '"' << c.productId << '"';
        EXPECT_EQ(c.speedMethod, IsVersionAtLeast(c.productId, 80)) << '"' << c.productId << '"';
    }
}

// Every stored "ProductID" is read against the same table in tests/robustness; what
// is left is a driver that stores none.
TEST(DriverVersion, WithoutProductIdTheDriverIsTooOld)
{
    ScratchRegistry scratch;
    ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, expected::kSetupKey, "Other", SzValue("9.80")));
    EXPECT_FALSE(IsDriverSupported()) << "missing value";
    EXPECT_FALSE(IsSpeedMethodSupported()) << "missing value";
    DeleteKeyTree(HKEY_LOCAL_MACHINE, expected::kVendorKey);
    EXPECT_FALSE(IsDriverSupported()) << "missing key";
    EXPECT_FALSE(IsSpeedMethodSupported()) << "missing key";
}

}  // namespace
