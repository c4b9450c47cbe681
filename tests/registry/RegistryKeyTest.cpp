#include "registry/RegistryKey.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchRegistry.h"

namespace {

const char* const kKey = "Software\\Scratch\\Values";

class RegistryKeyTest : public ::testing::Test {
protected:
    ScratchRegistry scratch;
};

// What every stored value reads as is checked against the plain statement of the
// rules in tests/robustness; here, a value that is not there, in an open key and in a
// wrapper whose key could not be opened.
TEST_F(RegistryKeyTest, MissingValueOrKeyReadsAsTheDefault)
{
    const char* const missingKey = "Software\\Scratch\\Missing";
    ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kKey, "Other", SzValue("unrelated")));
    for (const char* path : {kKey, missingKey}) {
        RegistryKey key(HKEY_CURRENT_USER, path, true);
        EXPECT_EQ(path == kKey, key.IsOpen()) << path;
        std::string text = "left over";
        EXPECT_FALSE(key.ReadString("Value", text)) << path;
        EXPECT_EQ("", text) << path;
        int flag = 0;
        EXPECT_FALSE(key.ReadBool("Value", flag, 7)) << path;
        EXPECT_EQ(7, flag) << path;
    }
    RegistryKey closed(HKEY_CURRENT_USER, missingKey, true);
    EXPECT_FALSE(closed.WriteString("Value", "On"));
    EXPECT_FALSE(closed.WriteDword("Value", 1));
    EXPECT_EQ(ERROR_INVALID_HANDLE, closed.Close());
    EXPECT_EQ(ERROR_INVALID_HANDLE, closed.Close());
    EXPECT_FALSE(GetValue(HKEY_CURRENT_USER, missingKey, "Value"));
}

TEST_F(RegistryKeyTest, WritesExactTypesAndBytes)
{
    {
        RegistryKey key(HKEY_CURRENT_USER, kKey, false);
        EXPECT_TRUE(key.WriteString("On", "On"));
        EXPECT_TRUE(key.WriteString("Empty", ""));
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kKey, "Replaced", SzValue("off")));
        EXPECT_TRUE(key.WriteDword("Replaced", 1));
        EXPECT_TRUE(key.WriteDword("Max", 0xFFFFFFFFu));
    }
    EXPECT_EQ(RegValue({REG_SZ, std::string("On\0", 3)}), GetValue(HKEY_CURRENT_USER, kKey, "On"));
    EXPECT_EQ(RegValue({REG_SZ, std::string("\0", 1)}), GetValue(HKEY_CURRENT_USER, kKey, "Empty"));
    EXPECT_EQ(DwordValue(1), GetValue(HKEY_CURRENT_USER, kKey, "Replaced"));
    EXPECT_EQ(DwordValue(0xFFFFFFFFu), GetValue(HKEY_CURRENT_USER, kKey, "Max"));
}

TEST_F(RegistryKeyTest, WritableOpenCreatesTheWholePath)
{
    const char* deep = "Software\\A\\B\\C\\D";
    RegistryKey key(HKEY_LOCAL_MACHINE, deep, false);
    EXPECT_TRUE(key.IsOpen());
    EXPECT_TRUE(key.WriteDword("Value", 5));
    EXPECT_EQ(DwordValue(5), GetValue(HKEY_LOCAL_MACHINE, deep, "Value"));
}

TEST_F(RegistryKeyTest, ReadOnlyWrapperStaysReadOnlyWhenReopened)
{
    ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kKey, "Value", SzValue("x")));
    ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, kKey, "Value", SzValue("y")));
    RegistryKey key(HKEY_CURRENT_USER, kKey, true);
    EXPECT_FALSE(key.WriteString("Value", "changed"));
    EXPECT_EQ(ERROR_SUCCESS, key.Close());
    EXPECT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, kKey));
    std::string text;
    EXPECT_TRUE(key.ReadString("Value", text));
    EXPECT_EQ("y", text);
    EXPECT_FALSE(key.WriteString("Value", "changed"));
    EXPECT_EQ(SzValue("y"), GetValue(HKEY_LOCAL_MACHINE, kKey, "Value"));
    // A read-only open never creates a key.
    key.Close();
    EXPECT_NE(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, "Software\\Nowhere"));
    EXPECT_FALSE(GetValue(HKEY_LOCAL_MACHINE, "Software\\Nowhere", nullptr));
}

TEST_F(RegistryKeyTest, KeyPathsAndValueNamesIgnoreCase)
{
    {
        RegistryKey key(HKEY_CURRENT_USER, "SOFTWARE\\Scratch\\VALUES", false);
        key.WriteString("SpeedAccelMethod", "Windows");
    }
    RegistryKey key(HKEY_CURRENT_USER, "Software\\Scratch\\Values", true);
    std::string text;
    EXPECT_TRUE(key.ReadString("speedaccelmethod", text));
    EXPECT_EQ("Windows", text);
}

}  // namespace
