// The native controls of a form: made one per control with its name, placed (frames offset
// their contents), in tab order; every state change of the model shows on the control without
// raising a handler again, and the user's actions reach the model through its setters.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native.h"
#include "support/wait.h"
#include "windows/forms/check_box.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/form.h"
#include "windows/forms/list_box.h"
#include "windows/forms/text_controls.h"
#include "windows/win32/text.h"
#include "windows/win32/win32_platform.h"

namespace orv::win32 {
namespace {

using testing::childNamed;

class DialogForm : public forms::Form {
  public:
    explicit DialogForm(forms::FormHost* host)
        : Form("frmTest", 250, 195, forms::BorderStyle::FixedDialog, host) {
        label.setContainer(&frame);
        for (forms::Control* control : std::vector<forms::Control*>{
                 &frame, &label, &list, &text, &ok, &check, &combo, &hiddenButton}) {
            add(*control);
        }
        check.setToolTip("Поверх всех окон");
        hiddenButton.setVisible(false);
        check.onClick = [this] { ++checkClicks; };
        combo.onClick = [this] { ++comboClicks; };
        list.onClick = [this] { ++listClicks; };
        ok.onClick = [this] { ++okClicks; };
    }
    forms::Frame frame{"fraCol", {8, 100, 100, 80}, -1, "Окраска"};
    forms::Label label{"lbl", {8, 16, 41, 13}, -1, "0-16"};
    forms::ListBox list{"lstSkin", {8, 24, 233, 60}, 1};
    forms::TextBox text{"txtSel", {120, 128, 120, 19}, 4, false};
    forms::Button ok{"cmdOK", {168, 160, 73, 25}, 2, "OK"};
    forms::CheckBox check{"chkOnTop", {120, 100, 13, 13}, 3, 0};
    forms::ComboBox combo{"cmbScheme", {140, 100, 100, 21}, 0, {"Схема 1", "Схема 2", "Схема 3"}};
    forms::Button hiddenButton{"cmdHidden", {0, 0, 10, 10}, 5, "x"};
    int checkClicks = 0;
    int comboClicks = 0;
    int listClicks = 0;
    int okClicks = 0;
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        window = platform.windowOf(form);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { form.unload(); }

    HWND child(const wchar_t* name) const { return childNamed(window, name); }

    // What the user's own choice in a list sends to the form.
    void userSelects(HWND list, int index, UINT setMessage, WORD notification) const {
        SendMessageW(list, setMessage, static_cast<WPARAM>(index), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification),
                     reinterpret_cast<LPARAM>(list));
    }

    static std::wstring textOf(HWND window) {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }

    Win32Platform platform{GetModuleHandleW(nullptr), "Orvanta 2"};
    DialogForm form{&platform};
    HWND window = nullptr;
};

TEST_F(ControlsTest, EachControlHasANamedWindowOfItsKind) {
    struct Case {
        const wchar_t* name;
        const wchar_t* windowClass;
        LONG_PTR mask;  // the style bits that tell the kind
        LONG_PTR kind;
    };
    const Case cases[] = {
        {L"fraCol", L"Button", BS_TYPEMASK, BS_GROUPBOX},
        {L"lbl", L"Static", SS_TYPEMASK, SS_LEFT},
        {L"lstSkin", L"ListBox", LBS_NOTIFY, LBS_NOTIFY},
        {L"txtSel", L"Edit", ES_READONLY, 0},
        {L"cmdOK", L"Button", BS_TYPEMASK, BS_PUSHBUTTON},
        {L"chkOnTop", L"Button", BS_TYPEMASK, BS_CHECKBOX},  // not automatic: the model decides
        {L"cmbScheme", L"ComboBox", CBS_DROPDOWNLIST, CBS_DROPDOWNLIST},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(narrow(c.name));
        HWND control = child(c.name);
        ASSERT_NE(control, nullptr);
        wchar_t windowClass[64] = {};
        GetClassNameW(control, windowClass, 64);
        EXPECT_EQ(lstrcmpiW(windowClass, c.windowClass), 0) << narrow(windowClass);
        EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & c.mask, c.kind);
    }
    EXPECT_EQ(textOf(child(L"fraCol")), L"Окраска");
    EXPECT_EQ(SendMessageW(child(L"cmbScheme"), CB_GETCOUNT, 0, 0), 3);
}

TEST_F(ControlsTest, ControlsInAFrameAreOffsetByIt) {
    RECT rect{};
    GetWindowRect(child(L"lbl"), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 8 + 8);
    EXPECT_EQ(rect.top, 100 + 16);
    EXPECT_EQ(rect.right - rect.left, 41);
    EXPECT_EQ(rect.bottom - rect.top, 13);
}

TEST_F(ControlsTest, TabOrderFollowsTabIndex) {
    const wchar_t* order[] = {L"cmbScheme", L"lstSkin", L"cmdOK", L"chkOnTop", L"txtSel"};
    HWND at = child(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        at = GetNextDlgTabItem(window, at, FALSE);
        EXPECT_EQ(at, child(order[i])) << narrow(order[i]);
    }
}

TEST_F(ControlsTest, StateSetByTheProgramShowsWithoutASecondHandlerCall) {
    HWND check = child(L"chkOnTop");
    form.check.setValue(1);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    form.combo.setListIndex(2);
    EXPECT_EQ(SendMessageW(child(L"cmbScheme"), CB_GETCURSEL, 0, 0), 2);
    form.list.addItem("Graphite");
    form.list.addItem("Ocean");
    form.list.setListIndex(1);
    EXPECT_EQ(SendMessageW(child(L"lstSkin"), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(child(L"lstSkin"), LB_GETCURSEL, 0, 0), 1);
    form.text.setText("Ocean");
    EXPECT_EQ(textOf(child(L"txtSel")), L"Ocean");
    EXPECT_EQ(form.text.text(), "Ocean");
    EXPECT_EQ(form.checkClicks, 1);
    EXPECT_EQ(form.comboClicks, 1);
    EXPECT_EQ(form.listClicks, 1);

    form.ok.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(child(L"cmdOK")));
    form.ok.setVisible(false);
    EXPECT_FALSE(IsWindowVisible(child(L"cmdOK")));
    EXPECT_FALSE(IsWindowVisible(child(L"cmdHidden")));
    form.ok.setBounds({10, 20, 30, 40});
    RECT rect{};
    GetWindowRect(child(L"cmdOK"), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.bottom, 60);
    form.frame.setCaption("Цвета");
    EXPECT_EQ(textOf(child(L"fraCol")), L"Цвета");
}

TEST_F(ControlsTest, TheUsersActionsGoThroughTheModel) {
    SendMessageW(child(L"chkOnTop"), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.value(), 1);
    EXPECT_EQ(SendMessageW(child(L"chkOnTop"), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(child(L"chkOnTop"), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.value(), 0);
    EXPECT_EQ(form.checkClicks, 2);

    userSelects(child(L"cmbScheme"), 1, CB_SETCURSEL, CBN_SELCHANGE);
    EXPECT_EQ(form.combo.listIndex(), 1);
    EXPECT_EQ(form.comboClicks, 1);

    form.list.addItem("Graphite");
    userSelects(child(L"lstSkin"), 0, LB_SETCURSEL, LBN_SELCHANGE);
    EXPECT_EQ(form.list.text(), "Graphite");
    EXPECT_EQ(form.listClicks, 1);

    SetWindowTextW(child(L"txtSel"), L"Своя");
    EXPECT_EQ(form.text.text(), "Своя");

    SendMessageW(child(L"cmdOK"), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1);
}

TEST_F(ControlsTest, AHandlerThatChangesItsOwnControlIsNotEchoed) {
    // The program's check box handlers set other controls, and sometimes the box itself.
    form.check.onClick = [this] {
        ++form.checkClicks;
        if (form.check.value() == 1) form.check.setValue(0);
    };
    SendMessageW(child(L"chkOnTop"), BM_CLICK, 0, 0);
    EXPECT_EQ(form.check.value(), 0);
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_EQ(SendMessageW(child(L"chkOnTop"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ControlsTest, ControlsWithATooltipTextHaveATip) {
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM found) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(candidate, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
            *reinterpret_cast<HWND*>(found) = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(child(L"chkOnTop"));
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Поверх всех окон");
}

TEST_F(ControlsTest, UnloadingTakesEveryNativeWindowAndPeerAway) {
    HWND check = child(L"chkOnTop");
    form.unload();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(check));
    EXPECT_EQ(form.check.peer(), nullptr);
    EXPECT_EQ(form.peer(), nullptr);
    form.check.setValue(1);  // no peer to tell: nothing happens natively
    form.show();             // loading again builds everything afresh
    window = platform.windowOf(form);
    EXPECT_EQ(SendMessageW(child(L"chkOnTop"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

}  // namespace
}  // namespace orv::win32
