// The registry settings store: text in and out unchanged, defaults for whatever is absent, and
// values where other programs of this kind keep theirs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "windows/win32/registry_store.h"
#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

// Each test writes under an application name of its own and removes it afterwards.
class RegistryStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application = "Orvanta 2 test " + std::to_string(GetCurrentProcessId()) + " " +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override {
        const std::wstring key = L"Software\\VB and VBA Program Settings\\" + widen(application);
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    }

    // The raw value in the registry: its type and its text.
    std::pair<DWORD, std::wstring> raw(const std::string& section, const std::string& key) const {
        const std::wstring path = RegistrySettingsStore::keyPath(application, section);
        wchar_t text[512] = {};
        DWORD bytes = sizeof text;
        DWORD type = REG_NONE;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), widen(key).c_str(), RRF_RT_ANY, &type,
                         text, &bytes) != ERROR_SUCCESS) {
            return {REG_NONE, {}};
        }
        return {type, text};
    }

    RegistrySettingsStore store;
    std::string application;
};

TEST_F(RegistryStoreTest, ValuesComeBackAsTheyWereWritten) {
    struct Case {
        const char* section;
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        {"Settings", "Skin", "Internal"},
        {"Settings", "Skin", "Graphite"},  // replaces the value before it
        {"CustColors0", "15", "16777215"},
        {"CustColors3", "0", "255"},
        {"CustColors", "Scheme", "0"},
        {"Settings", "Skin", "Тёмная кожа"},
        {"Раздел", "Ключ", "Значение с пробелами и ё"},
        {"Settings", "Empty", ""},
        {"Settings", "Long", std::string(3000, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        store.save(application, c.section, c.key, c.value);
        EXPECT_EQ(store.get(application, c.section, c.key, "default"), c.value);
    }
}

TEST_F(RegistryStoreTest, NumbersAreStoredAsTextUnderTheConventionalKey) {
    store.save(application, "CustColors1", "0", "16777215");
    const auto [type, text] = raw("CustColors1", "0");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, L"16777215");
    EXPECT_EQ(RegistrySettingsStore::keyPath("Orvanta 2", "Settings"),
              L"Software\\VB and VBA Program Settings\\Orvanta 2\\Settings");
}

TEST_F(RegistryStoreTest, CyrillicIsStoredAsUtf16) {
    store.save(application, "Settings", "Skin", "Кожа");
    EXPECT_EQ(raw("Settings", "Skin").second, L"\u041A\u043E\u0436\u0430");
}

TEST_F(RegistryStoreTest, AbsentValuesGiveTheDefault) {
    store.save(application, "Settings", "Skin", "Ocean");
    // No such key in an existing section; no such section; no such application.
    EXPECT_EQ(store.get(application, "Settings", "Missing", "Internal"), "Internal");
    EXPECT_EQ(store.get(application, "CustColors2", "7", "4210752"), "4210752");
    EXPECT_EQ(store.get(application + " absent", "Settings", "Skin", "Internal"), "Internal");
    EXPECT_EQ(store.get(application, "Settings", "Missing", ""), "");
}

TEST_F(RegistryStoreTest, AValueOfAnotherTypeGivesTheDefault) {
    store.save(application, "Settings", "Skin", "Ocean");
    const std::wstring path = RegistrySettingsStore::keyPath(application, "Settings");
    const DWORD number = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), L"Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(store.get(application, "Settings", "Number", "fallback"), "fallback");
}

}  // namespace
}  // namespace orv::win32
