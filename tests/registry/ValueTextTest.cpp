#include "registry/ValueText.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueText, TextEndsAtFirstNulOrAtTheDataEnd)
{
    struct Case {
        std::string data;
        std::string text;
    } cases[] = {
        {std::string("On\0", 3), "On"},
        {std::string("On"), "On"},                      // no terminator: all the bytes, nothing past them
        {std::string("a\0b\0", 4), "a"},
        {std::string("\0", 1), ""},
        {std::string(), ""},
    };
    for (const Case& c : cases) {
        // A buffer without room for a terminator, so that a read past it would show.
        std::string exact = c.data;
        EXPECT_EQ(c.text, registry::TextFromValueData(exact.data(), exact.size())) << c.data;
    }
}

TEST(ValueText, NoTerminatorReadsNothingBeyondTheSize)
{
    const char data[] = {'o', 'f', 'f', 'X', 'Y'};
    EXPECT_EQ("off", registry::TextFromValueData(data, 3));
}

TEST(ValueText, FlagFromText)
{
    struct Case {
        const char* text;
        bool flag;
    } cases[] = {
        {"off", false}, {"OFF", false}, {"Off", false}, {"oFf", false}, {"0", false},
        {"00", true},   {" 0", true},   {"0 ", true},   {"false", true}, {"no", true},
        {"On", true},   {"1", true},    {"", true},     {"off ", true},  {"of", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.flag, registry::FlagFromText(c.text)) << '"' << c.text << '"';
}

}  // namespace
