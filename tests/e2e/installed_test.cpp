// The NSIS installer, from the outside: a silent install into a folder of the test's own,
// the installed program started and closed, a silent uninstall that removes the program's
// files and leaves the user's settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

using namespace orvanta::e2e;
using namespace std::chrono_literals;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Orvanta 2\\Settings";

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs a program to its end; its exit code, or ~0 when it could not start or did not end.
DWORD RunToEnd(const std::wstring& path, const std::vector<std::wstring>& arguments) {
    DWORD error = 0;
    auto process = Process::Start(path, arguments, &error);
    if (!process) {
        ADD_FAILURE() << "cannot start the program, error " << error;
        return ~DWORD{0};
    }
    return process->WaitForExit(120s).value_or(~DWORD{0});
}

// The Start-menu shortcut, for all users or for the current one, whichever exists.
bool ShortcutExists() {
    for (const int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK &&
            Exists(std::wstring(path) + L"\\Orvanta 2\\Orvanta 2.lnk")) {
            return true;
        }
    }
    return false;
}

class Installer : public ::testing::Test {
  protected:
    void SetUp() override {
        installer_ = Environment(L"ORVANTA_INSTALLER");
        if (installer_.empty()) GTEST_SKIP() << "ORVANTA_INSTALLER is not set";
        installer_ = ToWindowsPath(installer_);
        ASSERT_TRUE(Exists(installer_)) << "no installer at the given path";
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        // NSIS takes /D= unquoted and last, so the folder has no spaces.
        folder_ = std::wstring(temp) + L"OrvantaInstallTest";
        ASSERT_EQ(folder_.find(L' '), std::wstring::npos);
        RemoveLeftovers();
    }
    void TearDown() override { RemoveLeftovers(); }

    void RemoveLeftovers() {
        std::wstring from = folder_ + L'\0';  // double-terminated for SHFileOperation
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        if (Exists(folder_)) SHFileOperationW(&operation);
    }

    std::wstring installer_;
    std::wstring folder_;
};

TEST_F(Installer, InstallsRunsAndUninstallsLeavingTheSettings) {
    // A setting of the user's own, which uninstalling must not touch.
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin", REG_SZ, L"Ocean",
                              sizeof(L"Ocean")),
              ERROR_SUCCESS);

    ASSERT_EQ(RunToEnd(installer_, {L"/S", L"/D=" + folder_}), 0u) << "the installer failed";
    const std::wstring exe = folder_ + L"\\orvanta2.exe";
    for (const wchar_t* file : {L"\\orvanta2.exe", L"\\readme.txt", L"\\Skin\\Ocean\\kxMain.bmp",
                                L"\\Skin\\Graphite\\kxBB.bmp", L"\\Uninstall.exe"}) {
        EXPECT_TRUE(Exists(folder_ + file)) << "not installed: " << testing::PrintToString(
                                                   std::wstring(file));
    }

    EXPECT_TRUE(ShortcutExists()) << "no Start-menu shortcut Orvanta 2";

    {
        DWORD error = 0;
        auto program = Process::Start(exe, {}, &error);
        ASSERT_TRUE(program.has_value()) << "cannot start the installed program, error " << error;
        HWND window = WaitForMainWindow(program->id(), L"Orvanta 2.2");
        ASSERT_NE(window, nullptr) << "the installed program shows no window Orvanta 2.2";
        Close(window);
        EXPECT_TRUE(program->WaitForExit(20s).has_value()) << "the program did not close";
    }

    // The uninstaller copies itself elsewhere, starts the copy and ends at once: wait for
    // the files to go.
    ASSERT_EQ(RunToEnd(folder_ + L"\\Uninstall.exe", {L"/S"}), 0u) << "the uninstaller failed";
    EXPECT_TRUE(orvanta::testing::WaitUntil(
        [&] { return !Exists(exe) && !Exists(folder_ + L"\\Skin"); }, 60s, 100ms))
        << "the program's files are still there after uninstalling";
    EXPECT_FALSE(Exists(folder_ + L"\\Uninstall.exe"));
    EXPECT_FALSE(ShortcutExists()) << "the Start-menu shortcut is still there";

    wchar_t skin[64] = {};
    DWORD bytes = sizeof(skin);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin", RRF_RT_REG_SZ, nullptr, skin,
                           &bytes),
              ERROR_SUCCESS)
        << "uninstalling removed the user's settings";
    EXPECT_STREQ(skin, L"Ocean");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Orvanta 2");
}

}  // namespace
