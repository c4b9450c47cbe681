#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/DataExchange.h"
#include "framework/DialogBase.h"
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
        {-1, false, false, false}, {0, true, false, false},
        {1, false, true, false},   {2, false, false, true},  // the check box between B and C has no index
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

// A dialog on the framework that counts its handlers' calls. A check runs while the
// dialog is open; then it ends itself.
class ProbeDialog : public framework::Dialog<ProbeDialog> {
public:
    explicit ProbeDialog(std::function<void(ProbeDialog&)> check) : Dialog(IDD_EXCHANGE_TEST), m_check(std::move(check))
    {
    }

    int clicks7 = 0;
    int clicks9 = 0;
    int messages = 0;

    static const framework::MessageMapEntry<ProbeDialog> kMessageMap[];

protected:
    BOOL OnInitDialog() override
    {
        m_check(*this);
        EndDialog(IDOK);
        return TRUE;
    }

private:
    void OnClick7() { ++clicks7; }
    void OnClick9() { ++clicks9; }
    bool OnAppMessage(WPARAM wParam, LPARAM, LRESULT& result)
    {
        ++messages;
        result = 40 + static_cast<LRESULT>(wParam);
        return true;
    }
    bool OnLeftAlone(WPARAM, LPARAM, LRESULT& result)
    {
        ++messages;
        result = 99;
        return false;
    }
    bool OnQueryDragIcon(WPARAM, LPARAM, LRESULT& result)
    {
        result = 0x1234;
        return true;
    }

    std::function<void(ProbeDialog&)> m_check;
};

const framework::MessageMapEntry<ProbeDialog> ProbeDialog::kMessageMap[] = {
    framework::OnClicked(7, &ProbeDialog::OnClick7),
    framework::OnMessage(WM_APP, &ProbeDialog::OnAppMessage),
    framework::OnClicked(9, &ProbeDialog::OnClick9),
    framework::OnMessage(WM_APP + 1, &ProbeDialog::OnLeftAlone),
    framework::OnMessage(WM_QUERYDRAGICON, &ProbeDialog::OnQueryDragIcon),
    framework::EndOfMessageMap<ProbeDialog>(),
};

// Clicks go to their command by id, other messages to their handler, and the sender
// gets each handler's answer: directly for the few messages a dialog procedure answers
// itself, through DWLP_MSGRESULT for all others.
TEST(DialogTest, MessageMapDispatchesAndAnswersTheSender)
{
    struct Case {
        const char* label;
        UINT message;
        WPARAM wParam;
        LRESULT answer;
        int clicks7, clicks9, messages;
    } cases[] = {
        {"click on 7", WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0, 1, 0, 0},
        {"click on 9, after another message", WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), 0, 0, 1, 0},
        {"double click on 7", WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED), 0, 0, 0, 0},
        {"focus on 7", WM_COMMAND, MAKEWPARAM(7, BN_SETFOCUS), 0, 0, 0, 0},
        {"text change of 9", WM_COMMAND, MAKEWPARAM(9, EN_CHANGE), 0, 0, 0, 0},
        {"click on 8", WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), 0, 0, 0, 0},
        {"ordinary message", WM_APP, 2, 42, 0, 0, 1},
        {"message the handler leaves alone", WM_APP + 1, 0, 0, 0, 0, 1},
        {"directly answered message", WM_QUERYDRAGICON, 0, 0x1234, 0, 0, 0},
        {"message without a handler", WM_APP + 2, 0, 0, 0, 0, 0},
    };
    ProbeDialog dialog([&cases](ProbeDialog& probe) {
        for (const Case& c : cases) {
            probe.clicks7 = probe.clicks9 = probe.messages = 0;
            EXPECT_EQ(c.answer, SendMessageA(probe.Handle(), c.message, c.wParam, 0)) << c.label;
            EXPECT_EQ(c.clicks7, probe.clicks7) << c.label;
            EXPECT_EQ(c.clicks9, probe.clicks9) << c.label;
            EXPECT_EQ(c.messages, probe.messages) << c.label;
        }
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
}

}  // namespace
