// One run of the real program for an end-to-end test: started with no saved settings, its main
// window found, its controls at hand, sound played into its input on request.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>

#include "driver/driver.h"

namespace orv::testing {

inline constexpr wchar_t kMainCaption[] = L"Orvanta 2.2";
inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings";

class ProgramSession : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::wstring path = programUnderTest();
        if (path.empty()) GTEST_SKIP() << "ORVANTA_EXE is not set: no program to test";
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        beforeStart();
        DWORD error = 0;
        program = Process::start(path, {}, &error);
        ASSERT_TRUE(program.has_value()) << "cannot start the program, error " << error;
        window = waitForMainWindow(program->id(), kMainCaption);
        ASSERT_NE(window, nullptr) << "no main window";
    }
    void TearDown() override {
        player.stop();
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    }
    // Settings to store before the program starts.
    virtual void beforeStart() {}

    HWND control(const wchar_t* name) {
        HWND control = findControl(window, name);
        EXPECT_NE(control, nullptr) << "no control named " << static_cast<int>(name[0]);
        return control;
    }
    // A setting of the program as the registry holds it; empty when absent.
    static std::wstring setting(const std::wstring& section, const std::wstring& key) {
        const std::wstring path = std::wstring(kSettingsKey) + L"\\Orvanta 2\\" + section;
        wchar_t value[256] = {};
        DWORD bytes = sizeof(value);
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr,
                         value, &bytes) != ERROR_SUCCESS) {
            return {};
        }
        return value;
    }
    static void storeSetting(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
        const std::wstring path = std::wstring(kSettingsKey) + L"\\Orvanta 2\\" + section;
        RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    // Presses Start and waits until the program is capturing.
    void startCapture() {
        click(control(L"cmdStart"));
        ASSERT_TRUE(orv::testing::waitUntil([&] { return !IsWindowEnabled(control(L"cmdStart")); }))
            << "Start did not start a capture";
    }
    // Presses Stop and waits until the capture has ended: Start usable, Stop not.
    void stopCapture() {
        click(control(L"cmdStop"));
        ASSERT_TRUE(orv::testing::waitUntil([&] {
            return IsWindowEnabled(control(L"cmdStart")) && !IsWindowEnabled(control(L"cmdStop"));
        })) << "Stop did not end the capture";
        // The buttons change before the loop draws its last block: wait until the pane holds
        // still, so that what a test sees next is what the ended capture left.
        Image before = pane();
        ASSERT_TRUE(orv::testing::waitUntil(
            [&] { return std::exchange(before, pane()).pixels == before.pixels; },
            std::chrono::seconds(5), std::chrono::milliseconds(200)))
            << "the pane did not settle after Stop";
    }
    // Right-presses the window's face (the title strip, no hot region) and returns the pop-up
    // menu once it shows; nullptr when none does.
    HWND openPopupMenu() {
        press(window, 200, 17, MouseButton::Right);
        HWND menu = nullptr;
        const bool shown = orv::testing::waitUntil([&] {
            menu = FindWindowW(L"#32768", nullptr);
            return menu != nullptr && IsWindowVisible(menu);
        });
        return shown ? menu : nullptr;
    }
    // What the display pane shows. Under Wine another process's child windows cannot be read
    // directly, so the pane is cut out of the main window's client area.
    Image pane() { return pictureOf(control(L"pctSpec")); }
    // The part of the main window's client area that a child control covers.
    Image pictureOf(HWND child) {
        const Box box = childBox(window, child);
        const Image face = captureClient(window);
        if (face.width < box.left + box.width || face.height < box.top + box.height) return {};
        return face.crop(box.left, box.top, box.width, box.height);
    }

    std::optional<Process> program;
    HWND window = nullptr;
    orv::testing::SoundPlayer player;
};

}  // namespace orv::testing
