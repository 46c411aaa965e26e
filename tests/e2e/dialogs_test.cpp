// The dialogs of the real program: the colour editor with the platform's colour picker, the
// skin chooser, the About box and the pop-up menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bitmaps.h"
#include "program_session.h"

namespace orv::testing {
namespace {

using orv::testing::WaitUntil;

class Dialogs : public ProgramSession {
  protected:
    // The program's visible top-level window captioned `caption`, once it appears.
    HWND WaitForWindow(const std::wstring& caption) {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND w : TopLevelWindows(program->id())) {
                if (IsWindowVisible(w) && WindowText(w) == caption) found = w;
            }
            return found != nullptr;
        });
        return found;
    }
    // The colour picker: the visible dialog of the program that none of its own forms is.
    HWND WaitForColourPicker(HWND editor) {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND w : DialogWindows(program->id())) {
                if (w != editor && GetDlgItem(w, IDOK) != nullptr) found = w;
            }
            return found != nullptr;
        });
        return found;
    }
    static std::vector<std::wstring> ListItems(HWND list) {
        std::vector<std::wstring> items;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)),
                              L'\0');
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item.data()));
            items.push_back(item);
        }
        return items;
    }
    HWND OpenSkinChooser() {
        DoubleClick(window, 200, 17);  // the title strip, no hot region
        HWND chooser = WaitForWindow(L"Выбрать оболочку");
        EXPECT_NE(chooser, nullptr) << "the skin chooser did not open";
        return chooser;
    }
};

TEST_F(Dialogs, ColourEditorStoresAPickedColourAndTheDisplayDrawsInIt) {
    SelectListItem(Control(L"cmbColor"), 12);  // "Польз. схема 2"
    Click(Control(L"cmdCustom"));
    HWND editor = WaitForWindow(L"Выбор цвета");
    ASSERT_NE(editor, nullptr) << "the colour editor did not open";
    EXPECT_FALSE(IsTopmost(window)) << "the main window stays topmost over its dialog";
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(FindControl(editor, L"cmbScheme")) == 1; }));

    Click(FindControl(editor, L"pctCol"));  // band 0
    HWND picker = WaitForColourPicker(editor);
    ASSERT_NE(picker, nullptr) << "no colour picker";
    // Red, green and blue fields of the standard colour dialog.
    SetDlgItemTextW(picker, 706, L"0");
    SetDlgItemTextW(picker, 707, L"0");
    SetDlgItemTextW(picker, 708, L"255");
    ClickButton(GetDlgItem(picker, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
    ClickButton(FindControl(editor, L"cmdOK"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));

    EXPECT_EQ(Setting(L"CustColors1", L"0"), L"16711680");
    EXPECT_EQ(Setting(L"CustColors1", L"1"), L"65535");
    EXPECT_EQ(Setting(L"CustColors", L"Scheme"), L"1");
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(window); }));

    // Levels 1 to 16 are band 0: the bars of level 10 are now blue.
    ASSERT_TRUE(player.PlayLevel(10));
    StartCapture();
    EXPECT_TRUE(WaitUntil([&] { return Pane().at(100, 250) == RGB(0, 0, 255); }));
    Click(Control(L"cmdStop"));
}

TEST_F(Dialogs, SkinChooserListsTheSampleSkinsAndOkReskinsAtOnce) {
    HWND chooser = OpenSkinChooser();
    ASSERT_NE(chooser, nullptr);
    HWND list = FindControl(chooser, L"lstSkin");
    const std::vector<std::wstring> items = ListItems(list);
    ASSERT_EQ(items.size(), 2U);
    int ocean = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (items[static_cast<std::size_t>(i)] == L"Ocean") ocean = i;
    }
    ASSERT_GE(ocean, 0) << "no Ocean skin listed";
    EXPECT_NE(std::find(items.begin(), items.end(), L"Graphite"), items.end());

    SelectListItem(list, ocean);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(FindControl(chooser, L"txtSel")) == L"Ocean"; }));
    ClickButton(FindControl(chooser, L"cmdOK"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));

    EXPECT_EQ(Setting(L"Settings", L"Skin"), L"Ocean");
    const Image oceanFace = BitmapFile(FolderOf(ProgramUnderTest()) + L"Skin\\Ocean\\kxMain.bmp");
    ASSERT_EQ(oceanFace.width, 473);
    EXPECT_TRUE(WaitUntil([&] {
        const Image face = CaptureClient(window);
        return face.at(100, 17) == oceanFace.at(100, 17) &&
               face.at(330, 250) == oceanFace.at(330, 250);
    })) << "the window does not wear the chosen skin";
}

class DialogsWithOcean : public Dialogs {
  protected:
    void BeforeStart() override { StoreSetting(L"Settings", L"Skin", L"Ocean"); }
};

TEST_F(DialogsWithOcean, NativeStoresTheBuiltInSkinForTheNextStart) {
    const Image oceanFace = BitmapFile(FolderOf(ProgramUnderTest()) + L"Skin\\Ocean\\kxMain.bmp");
    HWND chooser = OpenSkinChooser();
    ASSERT_NE(chooser, nullptr);
    ClickButton(FindControl(chooser, L"cmdDefaults"));
    const auto notice = WaitForMessageBox(program->id());
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->title, L"Orvanta 2");
    EXPECT_EQ(notice->text, L"Настрока вступит в силу только после перезапуска программы!");
    EXPECT_TRUE(PressOk(notice->window));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));

    EXPECT_EQ(Setting(L"Settings", L"Skin"), L"Internal");
    EXPECT_EQ(CaptureClient(window).at(100, 17), oceanFace.at(100, 17)) << "the look changed now";
}

TEST_F(Dialogs, AboutBoxShowsTheProgramsText) {
    Click(Control(L"cmdAbout"));
    const auto box = WaitForMessageBox(program->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, L"Orvanta 2");
    const std::wstring text = NormaliseLineBreaks(box->text);
    EXPECT_EQ(text.rfind(L"Orvanta 2\nВерсия:\t2.2\n\nАвтор:\t", 0), 0U) << "starts otherwise";
    EXPECT_NE(text.find(L"\nE-mail: \t"), std::wstring::npos);
    EXPECT_NE(text.find(L"\nURL: \thttp://"), std::wstring::npos);
    EXPECT_NE(text.find(L"\n\nОписание:\n\tПрограмма для спектрального анализа звука"),
              std::wstring::npos);
    EXPECT_TRUE(PressOk(box->window));
}

TEST_F(Dialogs, ARightPressOnTheFaceOpensThePopupMenu) {
    HWND menu = OpenPopupMenu();
    EXPECT_NE(menu, nullptr) << "no pop-up menu";
    if (menu != nullptr) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace
}  // namespace orv::testing
