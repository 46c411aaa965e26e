// The NSIS installer, from the outside: silent installs for the current user and for all
// users, the installed program started and closed, silent uninstalls that remove the
// program's files, shortcut and entry and leave the user's settings.
#include <gtest/gtest.h>

#include <cwchar>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/driver.h"

#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

using namespace orv::testing;
using namespace std::chrono_literals;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Orvanta 2\\Settings";
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvanta 2";
constexpr wchar_t kVersion[] = L"2.2.0.0";

std::wstring environment(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

std::vector<char> contents(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void removeFolder(const std::wstring& folder) {
    if (folder.empty() || !exists(folder)) return;
    const std::wstring from = folder + L'\0';  // double-terminated for SHFileOperation
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

std::wstring knownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SHGetKnownFolderPath(id, 0, nullptr, &path) == S_OK) result = path;
    CoTaskMemFree(path);
    return result;
}

// A text value of the program's entry in the system's list of programs; empty if none.
std::wstring entryValue(HKEY root, const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    DWORD bytes = sizeof(value);
    return RegGetValueW(root, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &bytes) ==
                   ERROR_SUCCESS
               ? std::wstring(value)
               : std::wstring();
}

// A file's version information; empty if it has none.
std::vector<BYTE> versionInfo(const std::wstring& file) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    std::vector<BYTE> data(size);
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return {};
    return data;
}

// A text of a file's version information, in the first language it carries; empty if none.
std::wstring versionText(const std::wstring& file, const wchar_t* name) {
    std::vector<BYTE> data = versionInfo(file);
    if (data.empty()) return {};
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &block, &length) ||
        length < 2 * sizeof(WORD)) {
        return {};
    }
    const auto* language = static_cast<const WORD*>(block);
    wchar_t path[64] = {};
    swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", language[0], language[1], name);
    if (!VerQueryValueW(data.data(), path, &block, &length)) return {};
    const auto* text = static_cast<const wchar_t*>(block);
    return text;
}

// Runs a program to its end; its exit code, or ~0 when it could not start or did not end.
DWORD runToEnd(const std::wstring& path, const std::vector<std::wstring>& arguments) {
    DWORD error = 0;
    auto process = Process::start(path, arguments, &error);
    if (!process) {
        ADD_FAILURE() << "cannot start the program, error " << error;
        return ~DWORD{0};
    }
    return process->waitForExit(120s).value_or(~DWORD{0});
}

// The two ways to install: where each puts its entry and its shortcut, and its own folder.
struct Mode {
    const wchar_t* flag;
    HKEY root;
    int programsFolder;  // CSIDL of the Start menu's programs folder used
};
const Mode kCurrentUser{L"/CurrentUser", HKEY_CURRENT_USER, CSIDL_PROGRAMS};
const Mode kAllUsers{L"/AllUsers", HKEY_LOCAL_MACHINE, CSIDL_COMMON_PROGRAMS};

std::wstring shortcutOf(const Mode& mode) {
    wchar_t path[MAX_PATH] = {};
    return SHGetFolderPathW(nullptr, mode.programsFolder, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK
               ? std::wstring(path) + L"\\Orvanta 2.lnk"
               : std::wstring();
}

std::wstring tempFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    return GetTempPathW(MAX_PATH, temp) > 0 ? std::wstring(temp) + name : std::wstring();
}

class Installer : public ::testing::Test {
  protected:
    void SetUp() override {
        installer_ = environment(L"ORVANTA_INSTALLER");
        if (installer_.empty()) GTEST_SKIP() << "ORVANTA_INSTALLER is not set";
        installer_ = toWindowsPath(installer_);
        ASSERT_TRUE(exists(installer_)) << "no installer at the given path";
    }
    void TearDown() override {
        for (const auto& folder : folders_) removeFolder(folder);
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteTreeW(root, kUninstallKey);
        }
    }

    // Installs silently in the given mode, into the given folder or the mode's default.
    void install(const Mode& mode, const std::wstring& folder, bool defaultFolder) {
        folders_.push_back(folder);
        removeFolder(folder);
        std::vector<std::wstring> arguments{L"/S", mode.flag};
        // NSIS takes /D= unquoted and last.
        if (!defaultFolder) arguments.push_back(L"/D=" + folder);
        ASSERT_EQ(runToEnd(installer_, arguments), 0u) << "the installer failed";
    }

    static void expectInstalled(const Mode& mode, const std::wstring& folder) {
        for (const wchar_t* file :
             {L"\\orvanta2.exe", L"\\readme.txt", L"\\Skin\\Ocean\\kxMain.bmp",
              L"\\Skin\\Graphite\\kxBB.bmp", L"\\Uninstall.exe"}) {
            EXPECT_TRUE(exists(folder + file))
                << "not installed: " << ::testing::PrintToString(std::wstring(file));
        }
        EXPECT_TRUE(exists(shortcutOf(mode))) << "no Start-menu shortcut Orvanta 2";
        EXPECT_EQ(entryValue(mode.root, L"DisplayName"), L"Orvanta 2");
        EXPECT_EQ(entryValue(mode.root, L"DisplayVersion"), kVersion);
        EXPECT_EQ(entryValue(mode.root, L"InstallLocation"), folder);
        // The publisher in the list of programs is the one the program names itself.
        const std::wstring company = versionText(folder + L"\\orvanta2.exe", L"CompanyName");
        EXPECT_FALSE(company.empty());
        EXPECT_EQ(entryValue(mode.root, L"Publisher"), company);
        // The installed program is the built one, which is shipped without its debug data.
        const std::wstring built = environment(L"ORVANTA_EXE");
        if (!built.empty()) {
            EXPECT_TRUE(contents(folder + L"\\orvanta2.exe") == contents(toWindowsPath(built)))
                << "the installed orvanta2.exe is not the built one";
        }
    }

    static void startAndClose(const std::wstring& exe) {
        DWORD error = 0;
        auto program = Process::start(exe, {}, &error);
        ASSERT_TRUE(program.has_value()) << "cannot start the installed program, error " << error;
        HWND window = waitForMainWindow(program->id(), L"Orvanta 2.2");
        ASSERT_NE(window, nullptr) << "the installed program shows no window Orvanta 2.2";
        close(window);
        EXPECT_TRUE(program->waitForExit(20s).has_value()) << "the program did not close";
    }

    // The uninstaller copies itself elsewhere, starts the copy and ends at once: wait for
    // the files to go.
    static void uninstall(const Mode& mode, const std::wstring& folder) {
        ASSERT_EQ(runToEnd(folder + L"\\Uninstall.exe", {L"/S"}), 0u) << "the uninstaller failed";
        EXPECT_TRUE(orv::testing::waitUntil([&] { return !exists(folder); }, 60s, 100ms))
            << "the program's folder is still there after uninstalling";
        EXPECT_FALSE(exists(shortcutOf(mode))) << "the Start-menu shortcut is still there";
        EXPECT_EQ(entryValue(mode.root, L"InstallLocation"), L"")
            << "the entry in the list of programs is still there";
    }

    std::wstring installer_;
    std::vector<std::wstring> folders_;
};

TEST_F(Installer, InstallsForEitherModeRunsAndUninstallsLeavingTheSettings) {
    // A setting of the user's own, which uninstalling must not touch.
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin", REG_SZ, L"Ocean",
                              sizeof(L"Ocean")),
              ERROR_SUCCESS);

    struct Case {
        const char* name;
        const Mode& mode;
        const Mode& other;
        std::wstring folder;
        bool defaultFolder;
    };
    // The user's programs folder; where the system does not name one (Wine), the place
    // it has on Windows.
    std::wstring userPrograms = knownFolder(FOLDERID_UserProgramFiles);
    if (userPrograms.empty()) userPrograms = knownFolder(FOLDERID_LocalAppData) + L"\\Programs";
    ASSERT_NE(userPrograms, L"\\Programs");
    const Case cases[] = {
        // Per user, into the user's own programs folder, no administrator needed.
        {"current user", kCurrentUser, kAllUsers, userPrograms + L"\\Orvanta 2", true},
        // Per machine, into a folder given on the command line.
        {"all users", kAllUsers, kCurrentUser, tempFolder(L"OrvantaInstallTest"), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        install(test.mode, test.folder, test.defaultFolder);
        expectInstalled(test.mode, test.folder);
        EXPECT_FALSE(exists(shortcutOf(test.other))) << "a shortcut of the other mode";
        EXPECT_EQ(entryValue(test.other.root, L"DisplayName"), L"") << "an entry of the other mode";
        startAndClose(test.folder + L"\\orvanta2.exe");
        uninstall(test.mode, test.folder);
    }

    wchar_t skin[64] = {};
    DWORD bytes = sizeof(skin);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Skin", RRF_RT_REG_SZ, nullptr, skin,
                           &bytes),
              ERROR_SUCCESS)
        << "uninstalling removed the user's settings";
    EXPECT_STREQ(skin, L"Ocean");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Orvanta 2");
}

TEST_F(Installer, UninstallingOneModeLeavesTheOtherInstall) {
    const std::wstring machine = tempFolder(L"OrvantaMachine");
    const std::wstring user = tempFolder(L"OrvantaUser");
    install(kAllUsers, machine, false);
    install(kCurrentUser, user, false);

    uninstall(kCurrentUser, user);
    expectInstalled(kAllUsers, machine);

    uninstall(kAllUsers, machine);
}

TEST_F(Installer, CarriesTheProgramsVersion) {
    std::vector<BYTE> data = versionInfo(installer_);
    ASSERT_FALSE(data.empty()) << "the installer has no version information";
    void* block = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", &block, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
    EXPECT_EQ(fixed->dwProductVersionMS, (2u << 16) | 2u);  // 2.2
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(versionText(installer_, L"ProductVersion"), kVersion);
}

}  // namespace
