// The test environment's Wine prefix has a working, private registry: what a test writes
// under HKEY_CURRENT_USER reads back as written, and the prefix carries the settings that
// start.sh gave it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t* const kScratchKey = L"Software\\Orvanta Tests\\Registry round trip";

class RegistryRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (key_ != nullptr) RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvanta Tests");
    }
    HKEY key_ = nullptr;
};

std::wstring readString(HKEY root, const wchar_t* subkey, const wchar_t* name, LSTATUS* status) {
    DWORD bytes = 0;
    *status = RegGetValueW(root, subkey, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
    if (*status != ERROR_SUCCESS) return {};
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    *status = RegGetValueW(root, subkey, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
    text.resize(bytes / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

TEST_F(RegistryRoundTrip, StringsReadBackAsWritten) {
    const struct {
        const wchar_t* name;
        std::wstring value;
    } cases[] = {
        {L"Empty", L""},
        {L"Digits", L"3"},
        {L"Cyrillic", L"Ошибка в Orvanta 2"},
        {L"Path", L"C:\\Program Files\\Orvanta 2\\skins\\"},
        {L"Long", std::wstring(2000, L'ж')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "value " << std::string(c.name, c.name + wcslen(c.name)));
        const auto bytes = static_cast<DWORD>((c.value.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(RegSetValueExW(key_, c.name, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(c.value.c_str()), bytes),
                  ERROR_SUCCESS);
        LSTATUS status = 0;
        EXPECT_EQ(readString(HKEY_CURRENT_USER, kScratchKey, c.name, &status), c.value);
        EXPECT_EQ(status, ERROR_SUCCESS);
    }
}

TEST_F(RegistryRoundTrip, MissingValueIsReportedAsMissing) {
    LSTATUS status = 0;
    readString(HKEY_CURRENT_USER, kScratchKey, L"Never written", &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
}

// start.sh gives the prefix only Wine's PulseAudio driver (so no PulseAudio means no
// wave-input device at all) and no crash dialog waiting for a click.
TEST(TestPrefix, CarriesTheEnvironmentSettings) {
    LSTATUS status = 0;
    EXPECT_EQ(readString(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers", L"Audio", &status),
              L"pulse");
    EXPECT_EQ(status, ERROR_SUCCESS);
    DWORD show = 1;
    DWORD bytes = sizeof show;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog",
                           RRF_RT_REG_DWORD, nullptr, &show, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(show, 0u);
}

}  // namespace
