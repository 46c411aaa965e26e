// The real program's start-up, seen from outside: its main window and controls, a second
// copy, no sound-input device, closing.
#include <gtest/gtest.h>

#include <string>

#include "driver/driver.h"

namespace {

using namespace orv::testing;

constexpr wchar_t kCaption[] = L"Orvanta 2.2";

class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = programUnderTest();
        if (path_.empty()) GTEST_SKIP() << "ORVANTA_EXE is not set: no program to test";
        // Every start begins from no saved settings: the defaults are what is checked.
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings");
    }
    std::optional<Process> start() {
        DWORD error = 0;
        auto process = Process::start(path_, {}, &error);
        EXPECT_TRUE(process.has_value()) << "cannot start the program, error " << error;
        return process;
    }
    std::wstring path_;
};

std::string narrow(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), bytes, nullptr, nullptr);
    return result;
}

TEST_F(Startup, MainWindowAndControlsAsDesigned) {
    auto program = start();
    ASSERT_TRUE(program);
    HWND window = waitForMainWindow(program->id(), kCaption);
    ASSERT_NE(window, nullptr) << "no window captioned Orvanta 2.2";

    EXPECT_EQ(clientSize(window), (Size{473, 314}));
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, 0)
        << "the window has a caption bar";
    // Topmost comes with the start-up settings, possibly just after the window appears.
    EXPECT_TRUE(orv::testing::waitUntil([&] { return isTopmost(window); }, std::chrono::seconds(5)))
        << "the window is not topmost";

    constexpr int kAny = -1;  // not compared: combo heights vary, some sizes are the skin's
    const struct {
        const wchar_t* name;
        Box box;
    } visible[] = {
        {L"pctSpec", {13, 40, 260, 260}},     {L"cmbStyle", {296, 128, 162, kAny}},
        {L"cmbColor", {296, 167, 126, kAny}}, {L"cmbZoom", {296, 206, 162, kAny}},
        {L"chkOnTop", {297, 243, 13, 13}},    {L"chkShowMap", {297, 261, kAny, kAny}},
        {L"chkCLS", {297, 280, kAny, kAny}},  {L"cmdStart", {288, 35, 84, 28}},
        {L"cmdStop", {381, 35, 84, 28}},      {L"cmdAbout", {288, 70, 84, 28}},
        {L"cmdCustom", {429, 159, 28, 25}},
    };
    for (const auto& c : visible) {
        SCOPED_TRACE(narrow(c.name));
        HWND control = findControl(window, c.name);
        ASSERT_NE(control, nullptr) << "no control of that name";
        EXPECT_TRUE(IsWindowVisible(control));
        Box box = childBox(window, control);
        if (c.box.width == kAny) box.width = kAny;
        if (c.box.height == kAny) box.height = kAny;
        EXPECT_EQ(box, c.box) << "at " << box.left << "," << box.top << " size " << box.width << "x"
                              << box.height;
    }
    HWND exit_button = findControl(window, L"cmdExit");
    ASSERT_NE(exit_button, nullptr);
    EXPECT_FALSE(IsWindowVisible(exit_button));

    const struct {
        const wchar_t* name;
        int selection;
    } combos[] = {{L"cmbStyle", 0}, {L"cmbColor", 3}, {L"cmbZoom", 0}};
    for (const auto& c : combos) {
        SCOPED_TRACE(narrow(c.name));
        EXPECT_EQ(comboSelection(findControl(window, c.name)), c.selection);
    }
    const struct {
        const wchar_t* name;
        bool checked;
    } checks[] = {{L"chkOnTop", true}, {L"chkShowMap", false}, {L"chkCLS", true}};
    for (const auto& c : checks) {
        SCOPED_TRACE(narrow(c.name));
        EXPECT_EQ(isChecked(findControl(window, c.name)), c.checked);
    }
}

TEST_F(Startup, SecondCopyExplainsAndEndsWithoutAWindow) {
    auto first = start();
    ASSERT_TRUE(first);
    ASSERT_NE(waitForMainWindow(first->id(), kCaption), nullptr);

    auto second = start();
    ASSERT_TRUE(second);
    bool second_window_seen = false;
    HWND box = nullptr;
    orv::testing::waitUntil([&] {
        second_window_seen |= findMainWindow(second->id()) != nullptr;
        const auto dialogs = dialogWindows(second->id());
        if (!dialogs.empty() && !readMessageBox(dialogs.front()).text.empty())
            box = dialogs.front();
        return box != nullptr || !second->running();
    });
    ASSERT_NE(box, nullptr) << "the second copy showed no message box";
    const MessageBoxInfo info = readMessageBox(box);
    EXPECT_EQ(info.title, L"Orvanta 2");
    EXPECT_EQ(normaliseLineBreaks(info.text),
              L"Уже загружена одна копия Orvanta 2.\nНельзя загружать более одной копии.");
    EXPECT_TRUE(pressOk(box));
    orv::testing::waitUntil([&] {
        second_window_seen |= findMainWindow(second->id()) != nullptr;
        return !second->running();
    });
    EXPECT_FALSE(second->running()) << "the second copy did not end after OK";
    EXPECT_FALSE(second_window_seen) << "the second copy showed a window of its own";
    EXPECT_TRUE(first->running());
}

TEST_F(Startup, ClosingTheMainWindowEndsTheProgram) {
    auto program = start();
    ASSERT_TRUE(program);
    HWND window = waitForMainWindow(program->id(), kCaption);
    ASSERT_NE(window, nullptr);
    close(window);
    EXPECT_TRUE(program->waitForExit().has_value()) << "still running after WM_CLOSE";
}

// Run with no PulseAudio server reachable (ORVANTA_NO_PULSE=1): Wine offers no
// wave-input device.
using StartupNoSound = Startup;

TEST_F(StartupNoSound, ReportsNoSoundInputDeviceAndEnds) {
    ASSERT_EQ(waveInGetNumDevs(), 0u) << "this test needs an environment without sound input";
    auto program = start();
    ASSERT_TRUE(program);
    const auto box = waitForMessageBox(program->id());
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_EQ(box->title, L"Ошибка в Orvanta 2");
    EXPECT_EQ(normaliseLineBreaks(box->text),
              L"Невозможно определить ниодно устройство ввоза звука.\n"
              L"Возможно в системе неть звукавой карты или она неисправна.");
    EXPECT_TRUE(pressOk(box->window));
    EXPECT_TRUE(program->waitForExit().has_value()) << "still running after OK";
}

}  // namespace
