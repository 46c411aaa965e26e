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

class Dialogs : public ProgramSession {
  protected:
    // The program's visible top-level window captioned `caption`, once it appears.
    HWND waitForWindow(const std::wstring& caption) {
        HWND found = nullptr;
        waitUntil([&] {
            for (HWND w : topLevelWindows(program->id())) {
                if (IsWindowVisible(w) && windowText(w) == caption) found = w;
            }
            return found != nullptr;
        });
        return found;
    }
    // The colour picker: the visible dialog of the program that none of its own forms is.
    HWND waitForColourPicker(HWND editor) {
        HWND found = nullptr;
        waitUntil([&] {
            for (HWND w : dialogWindows(program->id())) {
                if (w != editor && GetDlgItem(w, IDOK) != nullptr) found = w;
            }
            return found != nullptr;
        });
        return found;
    }
    static std::vector<std::wstring> listItems(HWND list) {
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
    HWND openSkinChooser() {
        doubleClick(window, 200, 17);  // the title strip, no hot region
        HWND chooser = waitForWindow(L"Выбрать оболочку");
        EXPECT_NE(chooser, nullptr) << "the skin chooser did not open";
        return chooser;
    }
};

TEST_F(Dialogs, ColourEditorStoresAPickedColourAndTheDisplayDrawsInIt) {
    selectListItem(control(L"cmbColor"), 12);  // "Польз. схема 2"
    click(control(L"cmdCustom"));
    HWND editor = waitForWindow(L"Выбор цвета");
    ASSERT_NE(editor, nullptr) << "the colour editor did not open";
    EXPECT_FALSE(isTopmost(window)) << "the main window stays topmost over its dialog";
    EXPECT_TRUE(waitUntil([&] { return comboSelection(findControl(editor, L"cmbScheme")) == 1; }));

    click(findControl(editor, L"pctCol"));  // band 0
    HWND picker = waitForColourPicker(editor);
    ASSERT_NE(picker, nullptr) << "no colour picker";
    // Red, green and blue fields of the standard colour dialog.
    SetDlgItemTextW(picker, 706, L"0");
    SetDlgItemTextW(picker, 707, L"0");
    SetDlgItemTextW(picker, 708, L"255");
    clickButton(GetDlgItem(picker, IDOK));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
    clickButton(findControl(editor, L"cmdOK"));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));

    EXPECT_EQ(setting(L"CustColors1", L"0"), L"16711680");
    EXPECT_EQ(setting(L"CustColors1", L"1"), L"65535");
    EXPECT_EQ(setting(L"CustColors", L"Scheme"), L"1");
    EXPECT_TRUE(waitUntil([&] { return isTopmost(window); }));

    // Levels 1 to 16 are band 0: the bars of level 10 are now blue.
    ASSERT_TRUE(player.playLevel(10));
    startCapture();
    EXPECT_TRUE(waitUntil([&] { return pane().at(100, 250) == RGB(0, 0, 255); }));
    click(control(L"cmdStop"));
}

TEST_F(Dialogs, SkinChooserListsTheSampleSkinsAndOkReskinsAtOnce) {
    HWND chooser = openSkinChooser();
    ASSERT_NE(chooser, nullptr);
    HWND list = findControl(chooser, L"lstSkin");
    const std::vector<std::wstring> items = listItems(list);
    ASSERT_EQ(items.size(), 2U);
    int ocean = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (items[static_cast<std::size_t>(i)] == L"Ocean") ocean = i;
    }
    ASSERT_GE(ocean, 0) << "no Ocean skin listed";
    EXPECT_NE(std::find(items.begin(), items.end(), L"Graphite"), items.end());

    selectListItem(list, ocean);
    EXPECT_TRUE(waitUntil([&] { return windowText(findControl(chooser, L"txtSel")) == L"Ocean"; }));
    clickButton(findControl(chooser, L"cmdOK"));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(chooser); }));

    EXPECT_EQ(setting(L"Settings", L"Skin"), L"Ocean");
    const Image oceanFace = bitmapFile(folderOf(programUnderTest()) + L"Skin\\Ocean\\kxMain.bmp");
    ASSERT_EQ(oceanFace.width, 473);
    EXPECT_TRUE(waitUntil([&] {
        const Image face = captureClient(window);
        return face.at(100, 17) == oceanFace.at(100, 17) &&
               face.at(330, 250) == oceanFace.at(330, 250);
    })) << "the window does not wear the chosen skin";
}

class DialogsWithOcean : public Dialogs {
  protected:
    void beforeStart() override { storeSetting(L"Settings", L"Skin", L"Ocean"); }
};

TEST_F(DialogsWithOcean, NativeStoresTheBuiltInSkinForTheNextStart) {
    const Image oceanFace = bitmapFile(folderOf(programUnderTest()) + L"Skin\\Ocean\\kxMain.bmp");
    HWND chooser = openSkinChooser();
    ASSERT_NE(chooser, nullptr);
    clickButton(findControl(chooser, L"cmdDefaults"));
    const auto notice = waitForMessageBox(program->id());
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->title, L"Orvanta 2");
    EXPECT_EQ(notice->text, L"Настрока вступит в силу только после перезапуска программы!");
    EXPECT_TRUE(pressOk(notice->window));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(chooser); }));

    EXPECT_EQ(setting(L"Settings", L"Skin"), L"Internal");
    EXPECT_EQ(captureClient(window).at(100, 17), oceanFace.at(100, 17)) << "the look changed now";
}

TEST_F(Dialogs, AboutBoxShowsTheProgramsText) {
    click(control(L"cmdAbout"));
    const auto box = waitForMessageBox(program->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, L"Orvanta 2");
    const std::wstring text = normaliseLineBreaks(box->text);
    EXPECT_EQ(text.rfind(L"Orvanta 2\nВерсия:\t2.2\n\nАвтор:\t", 0), 0U) << "starts otherwise";
    EXPECT_NE(text.find(L"\nE-mail: \t"), std::wstring::npos);
    EXPECT_NE(text.find(L"\nURL: \thttp://"), std::wstring::npos);
    EXPECT_NE(text.find(L"\n\nОписание:\n\tПрограмма для спектрального анализа звука"),
              std::wstring::npos);
    EXPECT_TRUE(pressOk(box->window));
}

TEST_F(Dialogs, ARightPressOnTheFaceOpensThePopupMenu) {
    HWND menu = openPopupMenu();
    EXPECT_NE(menu, nullptr) << "no pop-up menu";
    if (menu != nullptr) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace
}  // namespace orv::testing
