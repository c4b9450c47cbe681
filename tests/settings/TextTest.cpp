#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "common/Text.h"
#include "settings/MouseRecordText.h"

namespace {

TEST(TextToInt, FollowsAtoiAndSaturates)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"14", 14},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"+7", 7},
        {"-7", -7},
        {"--7", 0},
        {"+-7", 0},
        {"- 7", 0},
        {" \t\n\v\f\r42", 42},
        {"  -42", -42},
        {"12abc", 12},
        {"12 34", 12},
        {"1.9", 1},
        {"0x1A", 0},
        {"007", 7},
        {"6,10,1", 6},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
        {"000000000000000000000000000012", 12},
        {"99999999999999999999999999999999999999999999999999x", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, text::ToInt(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, text::ToInt(nullptr));
}

TEST(TextEqualsIgnoreCase, FoldsOnlyAsciiLetters)
{
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"On", "On", true},
        {"on", "On", true},
        {"ON", "On", true},
        {"oN", "On", true},
        {"SPEED", "Speed", true},
        {"wInDoWs", "Windows", true},
        {"", "", true},
        {"On ", "On", false},
        {" On", "On", false},
        {"O", "On", false},
        {"Onn", "On", false},
        {"", "On", false},
        {"Off", "On", false},
        {"@", "`", false},        // the characters just before A and a
        {"[", "{", false},        // and just after Z and z
        {"\xc4", "\xe4", false},  // accented letters of the code page are not folded
        {"\xc4rger", "\xe4rger", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.equal, text::EqualsIgnoreCase(c.a, c.b)) << '"' << c.a << "\" \"" << c.b << '"';
        EXPECT_EQ(c.equal, text::EqualsIgnoreCase(c.b, c.a)) << '"' << c.b << "\" \"" << c.a << '"';
    }
}

TEST(MouseRecordText, ReadsFieldsTheWayStrtokSplitsThem)
{
    const struct {
        std::string text;
        MouseRecord record;
    } cases[] = {
        {"6,10,1", {6, 10, 1}},
        {"6,10", {6, 10, 0}},
        {"6", {6, 0, 0}},
        {"", {0, 0, 0}},
        {",", {0, 0, 0}},
        {",,,,", {0, 0, 0}},
        {",,6,,10,", {6, 10, 0}},
        {",6,10,1,", {6, 10, 1}},
        {"1,2,3,4", {1, 2, 3}},
        {"1,2,3,x,5", {1, 2, 3}},
        {" 6, 10 ,1", {6, 10, 1}},
        {"-6,+10,-0", {-6, 10, 0}},
        {"a,b,c", {0, 0, 0}},
        {"a,,7", {0, 7, 0}},
        {"6;10;1", {6, 0, 0}},
        {"6 10 1", {6, 0, 0}},
        {"99999999999999999999,-99999999999999999999,5", {INT_MAX, INT_MIN, 5}},
        {std::string(70000, ',') + "4" + std::string(70000, '9'), {INT_MAX, 0, 0}},
    };
    for (const auto& c : cases) {
        const MouseRecord record = MouseRecordFromText(c.text);
        EXPECT_EQ(c.record, record) << '"' << c.text.substr(0, 60) << '"';
    }
}

TEST(MouseRecordText, WritesThreeDecimalFields)
{
    const struct {
        MouseRecord record;
        const char* text;
    } cases[] = {
        {{6, 10, 1}, "6,10,1"},
        {{0, 0, 0}, "0,0,0"},
        {{-1, 0, 20}, "-1,0,20"},
        {{INT_MIN, INT_MAX, 7}, "-2147483648,2147483647,7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, MouseRecordToText(c.record));
        EXPECT_EQ(c.record, MouseRecordFromText(c.text)) << c.text;
    }
}

}  // namespace
