// The driver checked against the stand-in program (stub/stub_app.cpp), whose windows,
// controls, colours and exit codes are known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

using namespace orv::testing;

std::wstring stubPath() {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(L"ORVANTA_E2E_STUB", value, MAX_PATH);
    return toWindowsPath(value);
}

class Driver : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(stubPath().empty()) << "ORVANTA_E2E_STUB is not set"; }
    static std::optional<Process> start(const std::vector<std::wstring>& arguments = {}) {
        DWORD error = 0;
        auto process = Process::start(stubPath(), arguments, &error);
        EXPECT_TRUE(process.has_value()) << "cannot start the stub, error " << error;
        return process;
    }
    HWND startWindow() {
        stub_ = start();
        if (!stub_) return nullptr;
        HWND window = waitForMainWindow(stub_->id(), L"Driver Stub");
        EXPECT_NE(window, nullptr);
        return window;
    }
    std::optional<Process> stub_;
};

TEST_F(Driver, FindsTheWindowAndItsStyle) {
    HWND window = startWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(findMainWindow(stub_->id(), L"Another caption"), nullptr);
    EXPECT_EQ(findMainWindow(stub_->id()), window);
    EXPECT_EQ(clientSize(window), (Size{200, 120}));
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_TRUE(isTopmost(window));
}

TEST_F(Driver, FindsControlsByNameAtTheirPlaces) {
    HWND window = startWindow();
    ASSERT_NE(window, nullptr);
    const struct {
        const wchar_t* name;
        Box box;  // height < 0: not compared (combo boxes)
        bool visible;
    } cases[] = {
        {L"cmdPress", {10, 10, 80, 25}, true},
        {L"cmbPick", {100, 10, 90, -1}, true},
        {L"chkTick", {10, 50, 13, 13}, true},
        {L"cmdHidden", {10, 80, 60, 20}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "control " << std::string(c.name, c.name + wcslen(c.name)));
        HWND control = findControl(window, c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(controlName(control), c.name);
        Box box = childBox(window, control);
        if (c.box.height < 0) box.height = -1;
        EXPECT_EQ(box, c.box);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
    }
    EXPECT_EQ(findControl(window, L"cmdMissing"), nullptr);
    EXPECT_EQ(NamedControls(window).size(), 4u);
    EXPECT_EQ(comboSelection(findControl(window, L"cmbPick")), 2);
    EXPECT_TRUE(isChecked(findControl(window, L"chkTick")));
    EXPECT_FALSE(isChecked(findControl(window, L"cmdPress")));
}

TEST_F(Driver, ReadsTheClientAreaPixels) {
    HWND window = startWindow();
    ASSERT_NE(window, nullptr);
    Image image;
    // The first paint may still be on its way.
    EXPECT_TRUE(orv::testing::waitUntil([&] {
        image = captureClient(window);
        return image.width == 200 && image.height == 120 && image.at(150, 90) == RGB(200, 100, 50);
    })) << "pixel at 150,90 is 0x"
        << std::hex << (image.pixels.empty() ? 0 : image.at(150, 90));
    ASSERT_EQ(image.pixels.size(), 200u * 120u);
    // Colours come back in the program's 0x00BBGGRR layout, not the DIB's 0x00RRGGBB.
    EXPECT_EQ(image.at(199, 119), RGB(12, 34, 56));
    EXPECT_EQ(image.at(169, 109), RGB(200, 100, 50));
    EXPECT_EQ(image.at(170, 110), RGB(12, 34, 56));
    const Image mark = image.crop(150, 90, 20, 20);
    EXPECT_EQ(mark.width * mark.height, 400);
    EXPECT_EQ(mark.count(RGB(200, 100, 50)), 400u);
    EXPECT_EQ(image.count(RGB(200, 100, 50)), 400u);
}

TEST_F(Driver, ClickShowsAMessageBoxAndOkEndsTheProgram) {
    HWND window = startWindow();
    ASSERT_NE(window, nullptr);
    click(findControl(window, L"cmdPress"));
    const auto box = waitForMessageBox(stub_->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, L"Заглушка");
    EXPECT_EQ(normaliseLineBreaks(box->text), L"Кнопка нажата.\nВторая строка.");
    EXPECT_TRUE(pressOk(box->window));
    EXPECT_EQ(stub_->waitForExit(), 5u);
}

TEST_F(Driver, CloseEndsTheProgram) {
    HWND window = startWindow();
    ASSERT_NE(window, nullptr);
    close(window);
    EXPECT_EQ(stub_->waitForExit(), 0u);
    EXPECT_FALSE(stub_->running());
}

TEST_F(Driver, MessageBoxWithoutAnyWindow) {
    stub_ = start({L"--message-box"});
    ASSERT_TRUE(stub_);
    const auto box = waitForMessageBox(stub_->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"Только окно сообщения.");
    EXPECT_EQ(findMainWindow(stub_->id()), nullptr);
    EXPECT_TRUE(pressOk(box->window));
    EXPECT_EQ(stub_->waitForExit(), 3u);
}

TEST_F(Driver, EndsARunningProgramWhenItGoesOutOfScope) {
    HANDLE copy = nullptr;
    {
        auto process = start();
        ASSERT_TRUE(process);
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), process->handle(), GetCurrentProcess(),
                                    &copy, SYNCHRONIZE, FALSE, 0));
        EXPECT_EQ(WaitForSingleObject(copy, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    }
    EXPECT_EQ(WaitForSingleObject(copy, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(copy);
}

TEST_F(Driver, ProgramsItStartsSeeTheWaveInputDevice) {
    stub_ = start({L"--count-wave-in"});
    ASSERT_TRUE(stub_);
    const auto devices = stub_->waitForExit();
    ASSERT_TRUE(devices.has_value());
    EXPECT_GE(*devices, 1u);
}

TEST(DriverPaths, UnixPathsBecomeWindowsPathsOfTheSameFile) {
    EXPECT_EQ(toWindowsPath(L"C:\\windows\\notepad.exe"), L"C:\\windows\\notepad.exe");
    EXPECT_EQ(toWindowsPath(L""), L"");
    const std::wstring stub = stubPath();
    ASSERT_EQ(stub.substr(1, 2), L":\\");
    EXPECT_NE(GetFileAttributesW(stub.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(DriverText, LineBreaksAreNormalised) {
    const struct {
        std::wstring in, out;
    } cases[] = {
        {L"a\r\nb", L"a\nb"},           {L"a\rb", L"a\nb"}, {L"a\nb", L"a\nb"},
        {L"a\r\n\r\nb\r", L"a\n\nb\n"}, {L"", L""},         {L"\r\r\n", L"\n\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(normaliseLineBreaks(c.in), c.out);
}

// Run with no PulseAudio server reachable (ORVANTA_NO_PULSE=1): neither this process nor
// the programs it starts have a wave-input device.
TEST(DriverNoSound, NoWaveInputDeviceHereOrInStartedPrograms) {
    EXPECT_EQ(waveInGetNumDevs(), 0u);
    auto stub = Process::start(stubPath(), {L"--count-wave-in"});
    ASSERT_TRUE(stub.has_value());
    EXPECT_EQ(stub->waitForExit(), 0u);
}

}  // namespace
