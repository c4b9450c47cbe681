#include <gtest/gtest.h>

#include <vector>

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/WaitCursor.h"
#include "tests/dialog/ExchangeTestResource.h"

using framework::DataExchange;
using framework::ExchangeDirection;

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The test-only dialog with plain buttons, created hidden on the test thread.
class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXCHANGE_TEST), nullptr,
                                    PlainDialogProc, 0);
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override { DestroyWindow(dialog); }

    void Set(int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) != BST_UNCHECKED; }

    HWND dialog = nullptr;
};

TEST_F(DataExchangeTest, CheckBoxPushReplacesValuesOutsideTheRangeByZero)
{
    struct Case {
        int value;
        int record;  // the record after the push
        bool shown;
    } cases[] = {{-1, 0, false}, {0, 0, false}, {1, 1, true}, {2, 2, true}, {3, 0, false}};
    for (const Case& c : cases) {
        Set(IDC_BOX, !c.shown);
        int value = c.value;
        DataExchange(dialog, ExchangeDirection::Push).CheckBox(IDC_BOX, value);
        EXPECT_EQ(c.record, value) << "value " << c.value;
        EXPECT_EQ(c.shown, Checked(IDC_BOX)) << "value " << c.value;
    }
}

TEST_F(DataExchangeTest, CheckBoxPullGivesTheCheckState)
{
    for (bool checked : {true, false}) {
        Set(IDC_BOX, checked);
        int value = 7;
        DataExchange(dialog, ExchangeDirection::Pull).CheckBox(IDC_BOX, value);
        EXPECT_EQ(checked ? 1 : 0, value);
    }
}

TEST_F(DataExchangeTest, RadioPushChecksOnlyTheMatchingButtonOfItsGroup)
{
    struct Case {
        int value;
        bool a, b, c;
    } cases[] = {
        {-1, false, false, false},
        {0, true, false, false},
        {1, false, true, false},
        {2, false, false, true},  // the check box between B and C has no index
        {3, false, false, false},
    };
    for (const Case& c : cases) {
        for (int id : {IDC_BOX, IDC_RADIO_A, IDC_RADIO_B, IDC_INSIDE_BOX, IDC_RADIO_C, IDC_RADIO_D, IDC_RADIO_E})
            Set(id, true);
        int value = c.value;
        DataExchange(dialog, ExchangeDirection::Push).RadioGroup(IDC_RADIO_A, value);
        EXPECT_EQ(c.value, value);
        EXPECT_EQ(c.a, Checked(IDC_RADIO_A)) << "value " << c.value;
        EXPECT_EQ(c.b, Checked(IDC_RADIO_B)) << "value " << c.value;
        EXPECT_EQ(c.c, Checked(IDC_RADIO_C)) << "value " << c.value;
        // Not part of the group: the check box inside it, and the next group.
        EXPECT_TRUE(Checked(IDC_INSIDE_BOX)) << "value " << c.value;
        EXPECT_TRUE(Checked(IDC_RADIO_D)) << "value " << c.value;
        EXPECT_TRUE(Checked(IDC_RADIO_E)) << "value " << c.value;
        EXPECT_TRUE(Checked(IDC_BOX)) << "value " << c.value;
    }
}

TEST_F(DataExchangeTest, RadioPullGivesTheIndexOfTheCheckedButton)
{
    struct Case {
        const char* label;
        std::vector<int> checked;
        int value;
    } cases[] = {
        {"none", {}, -1},
        {"A", {IDC_RADIO_A}, 0},
        {"B", {IDC_RADIO_B}, 1},
        {"C, after a check box", {IDC_RADIO_C}, 2},
        {"only the check box inside the group", {IDC_INSIDE_BOX}, -1},
        {"only buttons of the next group", {IDC_RADIO_D, IDC_RADIO_E}, -1},
        {"the box before the group", {IDC_BOX}, -1},
        {"B, with the next group", {IDC_RADIO_B, IDC_RADIO_D}, 1},
    };
    for (const Case& c : cases) {
        for (int id : {IDC_BOX, IDC_RADIO_A, IDC_RADIO_B, IDC_INSIDE_BOX, IDC_RADIO_C, IDC_RADIO_D, IDC_RADIO_E})
            Set(id, false);
        for (int id : c.checked)
            Set(id, true);
        int value = 5;
        DataExchange(dialog, ExchangeDirection::Pull).RadioGroup(IDC_RADIO_A, value);
        EXPECT_EQ(c.value, value) << c.label;
    }
}

TEST(WaitCursorTest, NestedWaitsRestoreTheCursorFromBeforeTheFirst)
{
    const HCURSOR before = LoadCursorA(nullptr, IDC_CROSS);
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR meanwhile = LoadCursorA(nullptr, IDC_IBEAM);
    SetCursor(before);
    ASSERT_EQ(0, framework::WaitCursor::Level());
    {
        framework::WaitCursor outer;
        EXPECT_EQ(1, framework::WaitCursor::Level());
        EXPECT_EQ(wait, GetCursor());
        SetCursor(meanwhile);
        {
            framework::WaitCursor inner;
            EXPECT_EQ(2, framework::WaitCursor::Level());
            EXPECT_EQ(wait, GetCursor());
        }
        EXPECT_EQ(1, framework::WaitCursor::Level());
        EXPECT_EQ(wait, GetCursor()) << "the outer wait goes on";
    }
    EXPECT_EQ(0, framework::WaitCursor::Level());
    EXPECT_EQ(before, GetCursor());
}

struct Target {
    int clicks7 = 0;
    int clicks9 = 0;
    int messages = 0;
    void OnClick7() { ++clicks7; }
    void OnClick9() { ++clicks9; }
    INT_PTR OnUserMessage(WPARAM wParam, LPARAM) { ++messages; return 40 + static_cast<INT_PTR>(wParam); }

    static const framework::MessageMapEntry<Target> kMap[];
};

const framework::MessageMapEntry<Target> Target::kMap[] = {
    framework::OnClicked(7, &Target::OnClick7),
    framework::OnMessage(WM_USER, &Target::OnUserMessage),
    framework::OnClicked(9, &Target::OnClick9),
    framework::EndOfMessageMap<Target>(),
};

TEST(MessageMapTest, DispatchesClicksByIdAndOtherMessagesByMessage)
{
    struct Case {
        const char* label;
        UINT message;
        WPARAM wParam;
        bool handled;
        INT_PTR result;
        int clicks7, clicks9, messages;
    } cases[] = {
        {"click on 7", WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), true, TRUE, 1, 0, 0},
        {"click on 9, after another message", WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), true, TRUE, 0, 1, 0},
        {"double click on 7", WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED), false, -5, 0, 0, 0},
        {"focus on 7", WM_COMMAND, MAKEWPARAM(7, BN_SETFOCUS), false, -5, 0, 0, 0},
        {"text change of 9", WM_COMMAND, MAKEWPARAM(9, EN_CHANGE), false, -5, 0, 0, 0},
        {"click on 8", WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), false, -5, 0, 0, 0},
        {"mapped message", WM_USER, 2, true, 42, 0, 0, 1},
        {"other message", WM_USER + 1, 7, false, -5, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Target target;
        INT_PTR result = -5;
        EXPECT_EQ(c.handled, framework::DispatchMessageMap(target, Target::kMap, c.message, c.wParam, 0, result))
            << c.label;
        EXPECT_EQ(c.result, result) << c.label;
        EXPECT_EQ(c.clicks7, target.clicks7) << c.label;
        EXPECT_EQ(c.clicks9, target.clicks9) << c.label;
        EXPECT_EQ(c.messages, target.messages) << c.label;
    }
}

}  // namespace
