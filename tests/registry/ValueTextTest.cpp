#include "registry/ValueText.h"

#include <gtest/gtest.h>

#include "tests/support/DriverExpectations.h"

namespace {

// The text is the data up to its first NUL; data without one is taken up to its size
// and no further, which the bytes after that size show. Reads past a buffer that
// holds nothing more are the native fuzz target's to find, under the address sanitizer.
TEST(ValueText, TextEndsAtTheFirstNulOrAtTheDataSize)
{
    const struct {
        std::string data;
        std::size_t size;
        std::string text;
    } cases[] = {
        {std::string("On\0", 3), 3, "On"}, {"On", 2, "On"}, {std::string("a\0b\0", 4), 4, "a"},
        {std::string("\0", 1), 1, ""},     {"", 0, ""},     {"offXY", 3, "off"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, registry::TextFromValueData(c.data.data(), c.size)) << c.data;
    EXPECT_EQ("", registry::TextFromValueData(nullptr, 4));
}

TEST(ValueText, FlagFromText)
{
    for (const expected::FlagText& c : expected::kFlagTexts)
        EXPECT_EQ(c.flag != 0, registry::FlagFromText(c.text)) << '"' << c.text << '"';
}

}  // namespace
