#include "registry/RegistryKey.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchRegistry.h"

namespace {

const char* const kKey = "Software\\Scratch\\Values";

class RegistryKeyTest : public ::testing::Test {
protected:
    ScratchRegistry scratch;

    void Put(const char* name, const RegValue& value) { PutValue(HKEY_CURRENT_USER, kKey, name, value); }
};

TEST_F(RegistryKeyTest, ReadStringOfEveryKindOfValue)
{
    struct Case {
        const char* label;
        std::optional<RegValue> stored;
        bool read;
        std::string text;
    } cases[] = {
        {"plain text", SzValue("Speed"), true, "Speed"},
        {"only the NUL", SzValue(""), true, ""},
        {"no data at all", RegValue{REG_SZ, ""}, true, ""},
        {"NUL inside", RegValue{REG_SZ, std::string("ab\0cd\0", 6)}, true, "ab"},
        {"expandable text", RegValue{REG_EXPAND_SZ, std::string("x\0", 2)}, false, ""},
        {"multi text", RegValue{REG_MULTI_SZ, std::string("x\0\0", 3)}, false, ""},
        {"number", DwordValue(7), false, ""},
        {"bytes", RegValue{REG_BINARY, "abc"}, false, ""},
        {"missing", std::nullopt, false, ""},
    };
    for (const Case& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        if (c.stored)
            Put("Value", *c.stored);
        else
            Put("Other", SzValue("unrelated"));
        RegistryKey key(HKEY_CURRENT_USER, kKey, true);
        std::string text = "left over";
        EXPECT_EQ(c.read, key.ReadString("Value", text)) << c.label;
        EXPECT_EQ(c.text, text) << c.label;
    }
}

TEST_F(RegistryKeyTest, ReadBoolOfEveryKindOfValue)
{
    struct Case {
        const char* label;
        RegValue stored;
        bool read;
        int flag;  // with the default 7, which must come back unchanged on failure
    } cases[] = {
        {"off", SzValue("off"), true, 0},
        {"OFF", SzValue("OFF"), true, 0},
        {"Off", SzValue("Off"), true, 0},
        {"0", SzValue("0"), true, 0},
        {"00", SzValue("00"), true, 1},
        {"blank 0", SzValue(" 0"), true, 1},
        {"0 blank", SzValue("0 "), true, 1},
        {"false", SzValue("false"), true, 1},
        {"no", SzValue("no"), true, 1},
        {"On", SzValue("On"), true, 1},
        {"1", SzValue("1"), true, 1},
        {"only the NUL", SzValue(""), true, 1},
        {"no data at all", RegValue{REG_SZ, ""}, false, 7},
        {"dword 0", DwordValue(0), true, 0},
        {"dword 1", DwordValue(1), true, 1},
        {"dword 2", DwordValue(2), true, 1},
        {"dword max", DwordValue(0xFFFFFFFFu), true, 1},
        {"expandable", RegValue{REG_EXPAND_SZ, std::string("0\0", 2)}, false, 7},
        {"qword", RegValue{REG_QWORD, std::string(8, '\0')}, false, 7},
        {"short dword", RegValue{REG_DWORD, std::string(2, '\0')}, true, 0},
    };
    for (const Case& c : cases) {
        Put("Flag", c.stored);
        RegistryKey key(HKEY_CURRENT_USER, kKey, true);
        int flag = -5;
        EXPECT_EQ(c.read, key.ReadBool("Flag", flag, 7)) << c.label;
        EXPECT_EQ(c.flag, flag) << c.label;
    }
}

TEST_F(RegistryKeyTest, ClosedWrapperReadsDefaultsAndWritesNothing)
{
    RegistryKey key(HKEY_CURRENT_USER, "Software\\Scratch\\Missing", true);
    EXPECT_FALSE(key.IsOpen());
    std::string text = "left over";
    EXPECT_FALSE(key.ReadString("Value", text));
    EXPECT_EQ("", text);
    int flag = 0;
    EXPECT_FALSE(key.ReadBool("Value", flag, 1));
    EXPECT_EQ(1, flag);
    EXPECT_FALSE(key.WriteString("Value", "On"));
    EXPECT_FALSE(key.WriteDword("Value", 1));
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.Close());
    EXPECT_EQ(ERROR_INVALID_HANDLE, key.Close());
    EXPECT_FALSE(GetValue(HKEY_CURRENT_USER, "Software\\Scratch\\Missing", "Value"));
}

TEST_F(RegistryKeyTest, WritesExactTypesAndBytes)
{
    {
        RegistryKey key(HKEY_CURRENT_USER, kKey, false);
        EXPECT_TRUE(key.WriteString("On", "On"));
        EXPECT_TRUE(key.WriteString("Empty", ""));
        Put("Replaced", SzValue("off"));
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
    Put("Value", SzValue("x"));
    PutValue(HKEY_LOCAL_MACHINE, kKey, "Value", SzValue("y"));
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

TEST_F(RegistryKeyTest, LargeValuesReadWhole)
{
    const std::string big(64 * 1024 - 1, 'x');
    Put("Big", SzValue(big));
    RegistryKey key(HKEY_CURRENT_USER, kKey, true);
    std::string text;
    EXPECT_TRUE(key.ReadString("Big", text));
    EXPECT_EQ(big, text);
    int flag = 0;
    EXPECT_TRUE(key.ReadBool("Big", flag, 0));
    EXPECT_EQ(1, flag);
}

}  // namespace
