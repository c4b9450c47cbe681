// Values of every type, size and content, read through the registry wrapper, the
// settings store and the driver version check, each result compared with the plain
// formulation of the rules in Reference.h.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/DriverVersion.h"
#include "registry/RegistryKey.h"
#include "settings/AdvancedSettings.h"
#include "tests/robustness/Reference.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ScratchRegistry.h"

namespace {

using expected::kGamingKey;
using expected::kTechnicalKey;

const char kValuesKey[] = "Software\\Robustness\\Values";

struct LayoutValue {
    HKEY root;
    const char* key;
    const char* name;
};

// Every value that LoadSettings reads.
const LayoutValue kLayout[] = {
    {HKEY_LOCAL_MACHINE, kTechnicalKey, "UseTSGameScheme"}, {HKEY_CURRENT_USER, kTechnicalKey, "OptimizeTracking"},
    {HKEY_CURRENT_USER, kTechnicalKey, "SpeedAccelMethod"}, {HKEY_CURRENT_USER, kGamingKey, "GamerAcceleration"},
    {HKEY_CURRENT_USER, kGamingKey, "GamerScaling"},        {HKEY_CURRENT_USER, kGamingKey, "GamerMappingKeys"},
    {HKEY_CURRENT_USER, kGamingKey, "GamerMappingButton"},  {HKEY_CURRENT_USER, kGamingKey, "GamerMappingsOther"},
    {HKEY_CURRENT_USER, kGamingKey, "GamerOrientation"},
};

struct TypeName {
    DWORD type;
    const char* name;
};

const TypeName kTypes[] = {
    {REG_SZ, "REG_SZ"},         {REG_EXPAND_SZ, "REG_EXPAND_SZ"}, {REG_MULTI_SZ, "REG_MULTI_SZ"},
    {REG_BINARY, "REG_BINARY"}, {REG_DWORD, "REG_DWORD"},         {REG_QWORD, "REG_QWORD"},
    {REG_NONE, "REG_NONE"},
};

const std::size_t kSizes[] = {0, 1, 2, 3, 4, 5, 8, 255, 4096, 65535, 65536};

// Texts that the loading rules single out, and their near misses; the flag texts and
// the versions come from their own tables.
const char* const kLoadTexts[] = {
    "On",      "ON",         "on",      "oN",     "On ",
    " On",     "O",          "\xCFn",   "Onn",    "Speed",
    "SPEED",   "sPeEd",      "Speed ",  "Spee",   "Precision",
    "Windows", "WINDOWS",    "windows", "Window", "Windows.",
    "Driver",  "\xD7indows", "09.080",  "x9.80",  "99999999999999999999.1",
};

struct Sample {
    std::string label;
    RegValue value;
};

std::string Bytes(std::mt19937& rng, std::size_t size)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::string data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(byte(rng));
    return data;
}

std::string Letters(std::mt19937& rng, std::size_t size)
{
    static const char kAlphabet[] = "0123456789.+- \tOoNnFfSsPpEeDdWwIi";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
    std::string data(size, '\0');
    for (char& c : data)
        c = kAlphabet[pick(rng)];
    return data;
}

std::string WithLastByte(std::string data, char last)
{
    if (!data.empty())
        data.back() = last;
    return data;
}

// The contents every type is tried with, the same on every run.
std::vector<std::pair<std::string, std::string>> Contents()
{
    std::mt19937 rng(20240611);
    std::vector<std::pair<std::string, std::string>> contents;
    for (std::size_t size : kSizes) {
        const std::string n = std::to_string(size) + " bytes";
        if (size == 0) {
            contents.push_back({"no data", ""});
            continue;
        }
        const std::string random = Bytes(rng, size);
        const char nonZero = static_cast<char>(1 + std::uniform_int_distribution<int>(0, 254)(rng));
        contents.push_back({n + " random, no NUL at the end", WithLastByte(random, nonZero)});
        contents.push_back({n + " random, NUL at the end", WithLastByte(random, '\0')});
        const std::string letters = Letters(rng, size);
        contents.push_back({n + " letters, no NUL", letters});
        contents.push_back({n + " letters, NUL at the end", WithLastByte(letters, '\0')});
        contents.push_back({n + " of zeros", std::string(size, '\0')});
    }
    std::vector<const char*> texts(std::begin(kLoadTexts), std::end(kLoadTexts));
    for (const expected::FlagText& flag : expected::kFlagTexts)
        texts.push_back(flag.text);
    for (const expected::Version& version : expected::kVersions)
        texts.push_back(version.productId);
    for (const char* text : texts) {
        contents.push_back({std::string("text \"") + text + "\" with its NUL", std::string(text) + '\0'});
        contents.push_back({std::string("text \"") + text + "\" without a NUL", text});
    }
    contents.push_back({"\"On\", NUL, more", std::string("On\0junk\0", 8)});
    contents.push_back({"\"9.80\", NUL, more", std::string("9.80\00012", 7)});
    return contents;
}

std::string Hex(const std::string& data)
{
    std::string hex;
    char byte[4];
    for (std::size_t i = 0; i < data.size() && i < 12; ++i) {
        std::snprintf(byte, sizeof(byte), " %02x", static_cast<unsigned char>(data[i]));
        hex += byte;
    }
    return data.size() > 12 ? hex + " ..." : hex;
}

std::vector<Sample> Samples()
{
    const auto contents = Contents();
    std::vector<Sample> samples;
    for (const TypeName& type : kTypes)
        for (const auto& content : contents)
            samples.push_back({std::string(type.name) + ", " + content.first + ":" + Hex(content.second),
                               RegValue{type.type, content.second}});
    return samples;
}

// A record whose every field shows whether the load wrote it.
AdvancedSettings Untouched()
{
    AdvancedSettings s;
    for (SettingsField field : {&AdvancedSettings::m_bGameDetection, &AdvancedSettings::m_bKeepAcceleration,
                                &AdvancedSettings::m_bKeepButtonMapping, &AdvancedSettings::m_bKeepKeystrokes,
                                &AdvancedSettings::m_bKeepOtherMappings, &AdvancedSettings::m_bKeepSpeed,
                                &AdvancedSettings::m_bKeepOrientation, &AdvancedSettings::m_nTrackingMode,
                                &AdvancedSettings::m_nSpeedAccelMethod, &AdvancedSettings::m_bSpeedMethodAvailable,
                                &AdvancedSettings::m_nAppliedSpeedAccelMethod})
        s.*field = 7;
    return s;
}

class RegistryRobustness : public ::testing::Test {
protected:
    ScratchRegistry scratch;
    const std::vector<Sample> samples = Samples();
};

// What the platform keeps of what was written: the rules above are applied to the
// written bytes, which holds only while the registry hands them back unchanged.
TEST_F(RegistryRobustness, TheRegistryKeepsTheWrittenBytes)
{
    std::set<DWORD> typesWithAddedNul;
    for (const Sample& sample : samples) {
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kValuesKey, "Value", sample.value));
        const std::optional<RegValue> stored = GetValue(HKEY_CURRENT_USER, kValuesKey, "Value");
        ASSERT_TRUE(stored.has_value()) << sample.label;
        EXPECT_EQ(sample.value.type, stored->type) << sample.label;
        const std::string& written = sample.value.data;
        if (stored->data == written + '\0' && !written.empty() && written.back() != '\0')
            typesWithAddedNul.insert(sample.value.type);
        else
            EXPECT_EQ(Hex(written) + " size " + std::to_string(written.size()),
                      Hex(stored->data) + " size " + std::to_string(stored->data.size()))
                << sample.label;
    }
    // Text data written without its NUL gets one, which does not change its text;
    // the wrapper's handling of data that truly ends without one is a unit test.
    EXPECT_EQ((std::set<DWORD>{REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ}), typesWithAddedNul);
}

TEST_F(RegistryRobustness, ReadStringAndReadBoolOfEveryValue)
{
    for (const Sample& sample : samples) {
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kValuesKey, "Value", sample.value));
        const RegistryKey key(HKEY_CURRENT_USER, kValuesKey, true);

        const reference::StringRead expectedString = reference::ReadString(sample.value);
        std::string text = "left over";
        EXPECT_EQ(expectedString.read, key.ReadString("Value", text)) << sample.label;
        EXPECT_EQ(expectedString.text, text) << sample.label;

        for (int defaultValue : {0, 1}) {
            const reference::BoolRead expectedBool = reference::ReadBool(sample.value, defaultValue);
            int flag = 7;
            EXPECT_EQ(expectedBool.read, key.ReadBool("Value", flag, defaultValue))
                << sample.label << ", default " << defaultValue;
            EXPECT_EQ(expectedBool.flag, flag) << sample.label << ", default " << defaultValue;
        }
    }
}

// A REG_DWORD of another size than four bytes is read into four bytes that start at 0:
// shorter data fills their low end, longer data does not fit and reads as missing.
TEST_F(RegistryRobustness, ReadBoolOfNumbersOfTheWrongSize)
{
    const struct {
        std::string data;
        bool read;
        int flag;
    } cases[] = {
        {"", true, 0},
        {std::string("\x01", 1), true, 1},
        {std::string("\0\0\x80", 3), true, 1},
        {std::string("\0\0\0", 3), true, 0},
        {std::string("\x01\0\0\0\0", 5), false, 5},
        {std::string("\0\0\0\0\0\0\0\0", 8), false, 5},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(PutValue(HKEY_CURRENT_USER, kValuesKey, "Number", RegValue{REG_DWORD, c.data}));
        const RegistryKey key(HKEY_CURRENT_USER, kValuesKey, true);
        int flag = 7;
        EXPECT_EQ(c.read, key.ReadBool("Number", flag, 5)) << Hex(c.data);
        EXPECT_EQ(c.flag, flag) << Hex(c.data);
    }
}

TEST_F(RegistryRobustness, LoadSettingsWithEveryValueUnderEveryName)
{
    for (const Sample& sample : samples) {
        std::map<std::string, RegValue> values;
        for (const LayoutValue& value : kLayout) {
            ASSERT_TRUE(PutValue(value.root, value.key, value.name, sample.value));
            values[value.name] = sample.value;
        }
        AdvancedSettings loaded = Untouched();
        LoadSettings(loaded);
        EXPECT_EQ(Describe(reference::LoadedSettings(values, Untouched())), Describe(loaded)) << sample.label;
    }
}

// Each name on its own, with the others missing: no value stands in for another.
TEST_F(RegistryRobustness, LoadSettingsWithOneValueAtATime)
{
    for (const LayoutValue& value : kLayout) {
        for (const Sample& sample : samples) {
            if (sample.value.type != REG_SZ && sample.value.type != REG_DWORD)
                continue;
            DeleteKeyTree(HKEY_LOCAL_MACHINE, expected::kVendorKey);
            DeleteKeyTree(HKEY_CURRENT_USER, expected::kVendorKey);
            ASSERT_TRUE(PutValue(value.root, value.key, value.name, sample.value));
            AdvancedSettings loaded = Untouched();
            LoadSettings(loaded);
            EXPECT_EQ(Describe(reference::LoadedSettings({{value.name, sample.value}}, Untouched())), Describe(loaded))
                << value.name << ": " << sample.label;
        }
    }
}

TEST_F(RegistryRobustness, VersionChecksWithEveryProductId)
{
    for (const Sample& sample : samples) {
        ASSERT_TRUE(PutValue(HKEY_LOCAL_MACHINE, expected::kSetupKey, "ProductID", sample.value));
        EXPECT_EQ(reference::VersionAtLeast(sample.value, 76), IsDriverSupported()) << sample.label;
        EXPECT_EQ(reference::VersionAtLeast(sample.value, 80), IsSpeedMethodSupported()) << sample.label;
    }
}

}  // namespace
