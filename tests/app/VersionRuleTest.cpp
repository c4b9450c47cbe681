#include "app/DriverVersion.h"
#include "app/VersionRule.h"

#include <gtest/gtest.h>

#include "app/DriverSetup.h"
#include "tests/support/ScratchRegistry.h"

namespace {

struct VersionCase {
    const char* productId;
    bool supported;       // 9.76 or later
    bool speedSupported;  // 9.80 or later
};

const VersionCase kVersions[] = {
    {"9.76", true, false},
    {"9.75", false, false},
    {"9.8", true, true},
    {"9.7", false, false},
    {"9.79", true, false},
    {"9.80", true, true},
    {"10.0", true, true},
    {"11.00", true, true},
    {"8.99", false, false},
    {"9", false, false},
    {"", false, false},
    {".80", false, false},
    {"9.76a", true, false},
    {" 9.80", true, true},
    {"\t\n9.80", true, true},
    {"+9.80", true, true},
    {"-9.80", false, false},
    {"9.761", true, true},
    {"9.80.1234", true, true},
    {"9.", false, false},
    {"9.0", false, false},
    {"9.7x", false, false},  // the minor text "7x" is long enough not to be padded: 7
    {"9.08", false, false},
    {"9.0080", true, true},  // 80 as a number
    {"123456789012345678901234567890.0", true, true},
    {"-123456789012345678901234567890.99", false, false},
    {"9.999999999999999999999999", true, true},
};

TEST(VersionRule, Table)
{
    for (const VersionCase& c : kVersions) {
        EXPECT_EQ(c.supported, IsVersionAtLeast(c.productId, 76)) << '"' << c.productId << '"';
        EXPECT_EQ(c.speedSupported, IsVersionAtLeast(c.productId, 80)) << '"' << c.productId << '"';
    }
}

class DriverVersionTest : public ::testing::Test {
protected:
    ScratchRegistry scratch;
};

TEST_F(DriverVersionTest, ReadsProductIdFromTheSetupKey)
{
    for (const VersionCase& c : kVersions) {
        PutValue(HKEY_LOCAL_MACHINE, driver_setup::kKey, "ProductID", SzValue(c.productId));
        EXPECT_EQ(c.supported, IsDriverSupported()) << '"' << c.productId << '"';
        EXPECT_EQ(c.speedSupported, IsSpeedMethodSupported()) << '"' << c.productId << '"';
    }
}

TEST_F(DriverVersionTest, UnreadableProductIdIsTooOld)
{
    struct Case {
        const char* label;
        std::optional<RegValue> value;
    } cases[] = {
        {"missing value", std::nullopt},
        {"number", DwordValue(980)},
        {"expandable text", RegValue{REG_EXPAND_SZ, std::string("9.80\0", 5)}},
        {"no data", RegValue{REG_SZ, ""}},
        {"bytes", RegValue{REG_BINARY, "9.80"}},
    };
    for (const Case& c : cases) {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, driver_setup::kKey);
        PutValue(HKEY_LOCAL_MACHINE, driver_setup::kKey, "Other", SzValue("9.80"));
        if (c.value)
            PutValue(HKEY_LOCAL_MACHINE, driver_setup::kKey, "ProductID", *c.value);
        EXPECT_FALSE(IsDriverSupported()) << c.label;
        EXPECT_FALSE(IsSpeedMethodSupported()) << c.label;
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tessaro");
    EXPECT_FALSE(IsDriverSupported()) << "missing key";
}

TEST_F(DriverVersionTest, ProductIdWithoutTerminatorIsReadWithinItsData)
{
    // Wine adds the NUL that the data lacks; the text must still be exactly the data.
    PutValue(HKEY_LOCAL_MACHINE, driver_setup::kKey, "ProductID", RegValue{REG_SZ, "9.80"});
    EXPECT_TRUE(IsSpeedMethodSupported());
}

}  // namespace
