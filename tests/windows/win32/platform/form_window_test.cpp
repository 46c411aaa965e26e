// The native window of a form: its frame and size, what the program asks of it (caption, face,
// moving, minimising, keeping on top, the face's pixels, pop-up menus) and what the user does to
// it (mouse on the face, double-click, close); the controls' backgrounds and the keyboard focus
// coming back with the window; modal showing and the other platform services.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "native.h"
#include "support/client_pixels.h"
#include "support/wait.h"
#include "windows/forms/check_box.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/form.h"
#include "windows/forms/menu.h"
#include "windows/forms/picture_box.h"
#include "windows/forms/text_controls.h"
#include "windows/win32/images.h"
#include "windows/win32/popup_menu.h"
#include "windows/win32/text.h"
#include "windows/win32/win32_platform.h"
#include "windows/win32/window_proc.h"

namespace orv::win32 {
namespace {

using orv::testing::pumpMessages;
using orv::testing::waitUntil;
using testing::childNamed;

struct MouseCall {
    char what;  // 'd'own, 'm'ove, 'u'p
    forms::MouseButton button;
    float x;
    float y;
};

class FaceForm : public forms::Form {
  public:
    explicit FaceForm(forms::FormHost* host)
        : Form("frmMain", 473, 314, forms::BorderStyle::None, host) {
        add(button);
        add(style);
        add(clear);
        onMouseDown = [this](forms::MouseButton b, int, float x, float y) {
            calls.push_back({'d', b, x, y});
        };
        onMouseMove = [this](forms::MouseButton b, int, float x, float y) {
            calls.push_back({'m', b, x, y});
        };
        onMouseUp = [this](forms::MouseButton b, int, float x, float y) {
            calls.push_back({'u', b, x, y});
        };
        onDblClick = [this] { ++doubleClicks; };
        onQueryUnload = [this] { ++closeRequests; };
        button.onClick = [this] { ++buttonClicks; };
    }
    forms::PictureBox button{"cmdCustom", {429, 159, 28, 25}, 0};
    forms::ComboBox style{"cmbStyle", {296, 128, 162, 21}, 1, {"Обычный", "Осевой"}};
    forms::CheckBox clear{"chkCLS", {297, 280, 13, 13}, 6, 1};
    std::vector<MouseCall> calls;
    int doubleClicks = 0;
    int closeRequests = 0;
    int buttonClicks = 0;
};

class SmallDialog : public forms::Form {
  public:
    explicit SmallDialog(forms::FormHost* host)
        : Form("frmSkin", 249, 195, forms::BorderStyle::FixedDialog, host) {
        add(ok);
    }
    forms::Button ok{"cmdOK", {8, 160, 73, 25}, 0, "OK"};
};

// Runs `action` once from inside whatever message loop runs next (a modal one, say).
class Later {
  public:
    explicit Later(std::function<void()> action) {
        pending() = std::move(action);
        SetTimer(nullptr, 0, 50, &fire);
    }

  private:
    static std::function<void()>& pending() {
        static std::function<void()> action;
        return action;
    }
    static void CALLBACK fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        const std::function<void()> action = std::move(pending());
        pending() = nullptr;
        if (action) action();
    }
};

// The first dialog box of this thread other than `except`, or null.
HWND threadDialog(HWND except = nullptr) {
    struct Search {
        HWND except;
        HWND found;
    } search{except, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[16] = {};
            GetClassNameW(candidate, name, 16);
            if (candidate == s->except || lstrcmpW(name, L"#32770") != 0) return TRUE;
            s->found = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class FormWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        window = platform.windowOf(form);
        ASSERT_NE(window, nullptr);
        SetForegroundWindow(window);
        pumpMessages();
    }
    void TearDown() override {
        dialog.unload();
        form.unload();
    }

    POINT screenPoint(int x, int y) const {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return at;
    }
    // A real press and release, as the user's mouse gives them.
    void mouse(DWORD flags, int x, int y) const {
        const POINT at = screenPoint(x, y);
        SetCursorPos(at.x, at.y);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        if (flags != 0) SendInput(1, &input, sizeof input);
        pumpMessages();
    }

    Win32Platform platform{GetModuleHandleW(nullptr), "Orvanta 2"};
    FaceForm form{&platform};
    SmallDialog dialog{&platform};
    HWND window = nullptr;
};

TEST_F(FormWindowTest, FramesFollowTheBorderStyle) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 473);
    EXPECT_EQ(client.bottom, 314);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICON), 0u);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_LE(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);

    dialog.load();
    HWND box = platform.windowOf(dialog);
    GetClientRect(box, &client);
    EXPECT_EQ(client.right, 249);
    EXPECT_EQ(client.bottom, 195);
    const LONG_PTR dialogStyle = GetWindowLongPtrW(box, GWL_STYLE);
    EXPECT_EQ(dialogStyle & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(dialogStyle & WS_SYSMENU, 0);
    EXPECT_EQ(dialogStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_EQ(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);  // so no taskbar button of its own
    EXPECT_FALSE(IsWindowVisible(box));
}

TEST_F(FormWindowTest, TheProgramsRequestsReachTheWindow) {
    form.setCaption("Orvanta 2.2");
    EXPECT_EQ(textOf(window), L"Orvanta 2.2");

    RECT before{};
    GetWindowRect(window, &before);
    form.moveBy(-30.0f, 12.0f);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left - before.left, -30);
    EXPECT_EQ(after.top - before.top, 12);
    EXPECT_EQ(after.right - after.left, before.right - before.left);

    form.setTopmost(true);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    form.setTopmost(false);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    form.minimize();
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);
}

TEST(FormWindowStart, KeepingOnTopSetWhileLoadingHoldsOnceShown) {
    // The main window's load ticks keep-on-top before the window is first shown.
    Win32Platform platform(GetModuleHandleW(nullptr), "Orvanta 2");
    FaceForm form(&platform);
    form.button.setToolTip("Поверх всех окон");  // a tooltip is an owned, topmost window
    form.onLoad = [&] { form.setTopmost(true); };
    form.show();
    HWND window = platform.windowOf(form);
    // Some window managers answer later; the flag must still be there then.
    waitUntil([] { return false; }, std::chrono::milliseconds(1500));
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // Off and on again, with the window shown (the on-top pause around every dialog).
    form.setTopmost(false);
    form.setTopmost(true);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    form.unload();
}

TEST_F(FormWindowTest, PixelsComeFromTheFacesImageNotTheScreen) {
    form.setPicture({100, {}});
    const UniqueBitmap skin = loadPicture({100, {}}, GetModuleHandleW(nullptr));
    const UniqueDc dc{CreateCompatibleDC(nullptr)};
    const Selection selected(dc.get(), skin.get());
    form.minimize();  // nothing of the window is on the screen now
    for (const POINT at : {POINT{50, 50}, POINT{0, 0}, POINT{472, 313}, POINT{300, 250}}) {
        EXPECT_EQ(form.pixel(at.x, at.y), GetPixel(dc.get(), at.x, at.y)) << at.x << ", " << at.y;
    }
}

// The face's pixels are what the window shows, where its image reaches and beyond (an image
// smaller than the window: a skin's button image as its background).
class FaceImage : public FormWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(FaceImage, PixelsAreWhatTheWindowShows) {
    form.setPicture({GetParam(), {}});
    UpdateWindow(window);
    const std::vector<std::uint32_t> shown = orv::testing::captureClientPixels(window).pixels;
    for (const POINT at : {POINT{50, 50}, POINT{10, 10}, POINT{300, 250}}) {
        EXPECT_EQ(shown[static_cast<std::size_t>(at.y * 473 + at.x)],
                  testing::toDib(form.pixel(at.x, at.y)))
            << at.x << ", " << at.y;
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInImages, FaceImage, ::testing::Values(100, 101));

// A control's background is the face under it: the skin's pixel where the image reaches, the
// face colour of a dialog beyond it. One brush serves every repaint, and a new face frees it.
struct ControlBackground {
    const char* name;
    int face;        // the face's bitmap resource, 0 for none
    bool onTheSkin;  // the image reaches the check box
};

class ControlBackgrounds : public FormWindowTest,
                           public ::testing::WithParamInterface<ControlBackground> {};

TEST_P(ControlBackgrounds, AreTheFaceUnderTheControl) {
    form.setPicture({GetParam().face, {}});
    COLORREF expected = GetSysColor(COLOR_BTNFACE);
    if (GetParam().onTheSkin) {
        const UniqueBitmap skin = loadPicture({GetParam().face, {}}, GetModuleHandleW(nullptr));
        const UniqueDc dc{CreateCompatibleDC(nullptr)};
        const Selection selected(dc.get(), skin.get());
        expected = GetPixel(dc.get(), 297, 280);
    }
    HWND box = childNamed(window, L"chkCLS");
    ASSERT_NE(box, nullptr);
    const WindowDc dc(box);
    const auto answer = [&] {
        return reinterpret_cast<HBRUSH>(SendMessageW(window, WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc.get()),
                                                     reinterpret_cast<LPARAM>(box)));
    };
    HBRUSH brush = answer();
    LOGBRUSH colour{};
    ASSERT_EQ(GetObjectW(brush, sizeof colour, &colour), static_cast<int>(sizeof colour));
    EXPECT_EQ(colour.lbColor, expected);
    EXPECT_EQ(GetBkColor(dc.get()), expected);

    const long before = testing::gdiObjectsInUse();
    for (int repaint = 0; repaint < 50; ++repaint) EXPECT_EQ(answer(), brush);
    EXPECT_EQ(testing::gdiObjectsInUse(), before);

    form.setPicture({GetParam().face == 100 ? 0 : 100, {}});
    HBRUSH replaced = answer();
    EXPECT_EQ(GetObjectW(brush, sizeof colour, &colour), 0) << "the old face's brush is freed";
    EXPECT_NE(GetObjectW(replaced, sizeof colour, &colour), 0);
}

INSTANTIATE_TEST_SUITE_P(Faces, ControlBackgrounds,
                         ::testing::Values(ControlBackground{"NoImage", 0, false},
                                           ControlBackground{"Skin", 100, true},
                                           ControlBackground{"SmallerImage", 101, false}),
                         [](const auto& each) { return std::string(each.param.name); });

// The control that had the keyboard focus has it again when the window comes back from
// whatever took the activation away.
struct Interruption {
    const char* name;
    std::function<void(Win32Platform&, forms::Form& owner, forms::Form& dialog)> run;
};

class FocusComesBack : public FormWindowTest, public ::testing::WithParamInterface<Interruption> {};

TEST_P(FocusComesBack, ToTheControlThatHadIt) {
    HWND box = childNamed(window, L"chkCLS");
    ASSERT_NE(box, nullptr);
    SetFocus(box);
    ASSERT_EQ(GetFocus(), box);
    GetParam().run(platform, form, dialog);
    pumpMessages();
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetFocus(), box);
}

INSTANTIATE_TEST_SUITE_P(
    AfterClosing, FocusComesBack,
    ::testing::Values(
        Interruption{"AMessageBox",
                     [](Win32Platform& platform, forms::Form&, forms::Form&) {
                         Later answer([] { PostMessageW(threadDialog(), WM_COMMAND, IDOK, 0); });
                         platform.msgBox("Невозможно открыть устройство ввода звука.", 16, "");
                     }},
        Interruption{"AModalDialog",
                     [](Win32Platform& platform, forms::Form& owner, forms::Form& dialog) {
                         Later unload([&dialog] { dialog.unload(); });
                         platform.showModal(dialog, owner);
                     }}),
    [](const auto& each) { return std::string(each.param.name); });

TEST_F(FormWindowTest, MouseOnTheFaceReachesTheFormAndIsCapturedWhileHeld) {
    mouse(MOUSEEVENTF_LEFTDOWN, 100, 80);
    const auto press = std::find_if(form.calls.begin(), form.calls.end(),
                                    [](const MouseCall& call) { return call.what == 'd'; });
    ASSERT_NE(press, form.calls.end());
    EXPECT_EQ(press->button, forms::MouseButton::Left);
    EXPECT_EQ(press->x, 100.0f);
    EXPECT_EQ(press->y, 80.0f);
    EXPECT_EQ(GetCapture(), window);

    // Far off the window the moves still come, in client pixels.
    mouse(MOUSEEVENTF_MOVE, -40, 400);
    ASSERT_EQ(form.calls.back().what, 'm');
    EXPECT_EQ(form.calls.back().button, forms::MouseButton::Left);
    EXPECT_EQ(form.calls.back().x, -40.0f);
    EXPECT_EQ(form.calls.back().y, 400.0f);

    mouse(MOUSEEVENTF_LEFTUP, -40, 400);
    EXPECT_EQ(form.calls.back().what, 'u');
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FormWindowTest, RightAndMiddlePressesCarryTheirButton) {
    mouse(MOUSEEVENTF_RIGHTDOWN, 200, 20);
    mouse(MOUSEEVENTF_RIGHTUP, 200, 20);
    mouse(MOUSEEVENTF_MIDDLEDOWN, 201, 21);
    mouse(MOUSEEVENTF_MIDDLEUP, 201, 21);
    std::vector<std::pair<char, forms::MouseButton>> presses;
    for (const MouseCall& call : form.calls) {
        if (call.what != 'm') presses.emplace_back(call.what, call.button);
    }
    const std::vector<std::pair<char, forms::MouseButton>> expected{
        {'d', forms::MouseButton::Right},
        {'u', forms::MouseButton::Right},
        {'d', forms::MouseButton::Middle},
        {'u', forms::MouseButton::Middle}};
    EXPECT_EQ(presses, expected);
}

TEST_F(FormWindowTest, ADoubleClickOnTheFaceReachesTheForm) {
    for (int i = 0; i < 2; ++i) {
        mouse(MOUSEEVENTF_LEFTDOWN, 150, 150);
        mouse(MOUSEEVENTF_LEFTUP, 150, 150);
    }
    EXPECT_EQ(form.doubleClicks, 1);
}

TEST_F(FormWindowTest, PressesOnAPictureButtonGoToItAndADisabledOneLetsThemThrough) {
    mouse(MOUSEEVENTF_LEFTDOWN, 440, 170);
    mouse(MOUSEEVENTF_LEFTUP, 440, 170);
    EXPECT_EQ(form.buttonClicks, 1);
    EXPECT_TRUE(form.calls.empty() || form.calls.back().what == 'm');

    form.button.setEnabled(false);
    form.calls.clear();
    mouse(MOUSEEVENTF_LEFTDOWN, 440, 170);
    mouse(MOUSEEVENTF_LEFTUP, 440, 170);
    EXPECT_EQ(form.buttonClicks, 1);
    ASSERT_FALSE(form.calls.empty());
    const auto press = std::find_if(form.calls.begin(), form.calls.end(),
                                    [](const MouseCall& call) { return call.what == 'd'; });
    ASSERT_NE(press, form.calls.end());
    EXPECT_EQ(press->x, 440.0f);  // the form's own client pixels
    EXPECT_EQ(press->y, 170.0f);
}

TEST_F(FormWindowTest, AHandlerThatThrowsIsReportedAndTheWindowGoesOn) {
    int reports = 0;
    unexpectedFailureReport() = [&] { ++reports; };
    form.button.onClick = [] { throw std::runtime_error("a handler failed"); };
    for (int press = 1; press <= 2; ++press) {
        mouse(MOUSEEVENTF_LEFTDOWN, 440, 170);
        mouse(MOUSEEVENTF_LEFTUP, 440, 170);
        EXPECT_EQ(reports, press);
    }
    unexpectedFailureReport() = nullptr;
    // The window still takes the user's actions.
    form.button.onClick = [this] { ++form.buttonClicks; };
    mouse(MOUSEEVENTF_LEFTDOWN, 440, 170);
    mouse(MOUSEEVENTF_LEFTUP, 440, 170);
    EXPECT_EQ(form.buttonClicks, 1);
    EXPECT_EQ(reports, 2);
}

TEST_F(FormWindowTest, ClosingAsksTheFormAndLeavesTheWindowToIt) {
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(form.closeRequests, 1);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(form.loaded());
}

TEST_F(FormWindowTest, ShowModalHoldsTheOwnerUntilTheDialogIsUnloaded) {
    HWND box = nullptr;
    bool ownerWasDisabled = false;
    bool dialogWasShown = false;
    RECT boxRect{};
    Later unload([&] {
        box = platform.windowOf(dialog);
        ownerWasDisabled = !IsWindowEnabled(window);
        dialogWasShown = IsWindowVisible(box) != FALSE;
        GetWindowRect(box, &boxRect);
        dialog.unload();
    });
    platform.showModal(dialog, form);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(dialogWasShown);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(IsWindowEnabled(window));
    RECT ownerRect{};
    GetWindowRect(window, &ownerRect);
    EXPECT_LE(std::abs((boxRect.left + boxRect.right) - (ownerRect.left + ownerRect.right)), 2);
    EXPECT_LE(std::abs((boxRect.top + boxRect.bottom) - (ownerRect.top + ownerRect.bottom)), 2);
}

TEST_F(FormWindowTest, TheCloseBoxOfAModalDialogClosesIt) {
    Later closeBox([&] { PostMessageW(platform.windowOf(dialog), WM_CLOSE, 0, 0); });
    platform.showModal(dialog, form);  // no QueryUnload handler: closing unloads
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(FormWindowTest, AMessageBoxBelongsToTheActiveWindowAndFallsBackToTheTitle) {
    HWND box = nullptr;
    std::wstring title;
    HWND owner = nullptr;
    Later answer([&] {
        box = threadDialog();
        title = textOf(box);
        owner = GetWindow(box, GW_OWNER);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SetActiveWindow(window);
    platform.msgBox("Настрока вступит в силу только после перезапуска программы!", 64, "");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(title, L"Orvanta 2");
    EXPECT_EQ(owner, window);
}

TEST_F(FormWindowTest, TheColourPickerStartsBlackAndIsOwnedByTheForm) {
    HWND owner = nullptr;
    Later accept([&] {
        HWND picker = threadDialog();
        owner = GetWindow(picker, GW_OWNER);
        PostMessageW(picker, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(platform.chooseColour(form), std::optional<forms::Colour>(0));
    EXPECT_EQ(owner, window);
    Later cancel([] { PostMessageW(threadDialog(), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(platform.chooseColour(form), std::nullopt);
}

TEST(PopupMenu, TheMenuShowsTheItemsCaptionsMarksAndDefault) {
    forms::MenuItem menu("mnu", "");
    menu.add("mnuShowGirds", "&Отобразить сетку поверх спектрума", false);
    menu.add("mnuAlwaysOnTop", "&Держать окно поверх остальных окон", true);
    menu.add("bar0", "-");
    forms::MenuItem& hidden = menu.add("mnuHidden", "Скрытый");
    hidden.setVisible(false);
    forms::MenuItem& about = menu.add("mnuAbout", "&О прогамме");
    forms::MenuItem& grey = menu.add("mnuExit", "В&ыход");
    grey.setEnabled(false);

    const BuiltMenu built = buildPopupMenu(menu, &about);
    HMENU native = built.menu.get();
    ASSERT_EQ(GetMenuItemCount(native), 5);
    wchar_t caption[80] = {};
    GetMenuStringW(native, 0, caption, 80, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"&Отобразить сетку поверх спектрума");
    EXPECT_EQ(GetMenuState(native, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(native, 1, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(native, 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_NE(GetMenuState(native, 4, MF_BYPOSITION) & MF_GRAYED, 0u);
    const UINT defaultId = GetMenuDefaultItem(native, FALSE, 0);
    ASSERT_GE(defaultId, 1u);
    ASSERT_LE(defaultId, built.commands.size());
    EXPECT_EQ(built.commands[defaultId - 1], &about);
}

TEST(ListDirectory, EveryEntryWithItsAttributes) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string base = narrow(temp) + "orvanta-list-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(base).c_str(), nullptr);
    for (const char* folder : {"Graphite", "Ocean", "Тёмная"}) {
        CreateDirectoryW(widen(base + "\\" + folder).c_str(), nullptr);
    }
    CloseHandle(CreateFileW(widen(base + "\\readme.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));

    Win32Platform platform(GetModuleHandleW(nullptr), "Orvanta 2");
    for (const std::string& path : {base, base + "\\"}) {
        std::map<std::string, bool> isFolder;
        for (const forms::DirEntry& entry : platform.listDirectory(path)) {
            isFolder[entry.name] = (entry.attributes & forms::attr::kDirectory) != 0;
        }
        const std::map<std::string, bool> expected{{".", true},        {"..", true},
                                                   {"Graphite", true}, {"Ocean", true},
                                                   {"Тёмная", true},   {"readme.txt", false}};
        EXPECT_EQ(isFolder, expected) << path;
    }
    EXPECT_TRUE(platform.listDirectory(base + "\\no such folder").empty());

    DeleteFileW(widen(base + "\\readme.txt").c_str());
    for (const char* folder : {"Graphite", "Ocean", "Тёмная"}) {
        RemoveDirectoryW(widen(base + "\\" + folder).c_str());
    }
    RemoveDirectoryW(widen(base).c_str());
}

}  // namespace
}  // namespace orv::win32
