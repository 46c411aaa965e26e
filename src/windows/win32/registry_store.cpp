#include "windows/win32/registry_store.h"

#include <windows.h>

#include "windows/win32/text.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

std::wstring RegistrySettingsStore::keyPath(const std::string& application,
                                            const std::string& section) {
    return L"Software\\VB and VBA Program Settings\\" + widen(application) + L"\\" + widen(section);
}

std::string RegistrySettingsStore::get(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS) {
        return defaultValue;
    }
    const UniqueRegKey subkey{opened};
    const std::wstring name = widen(key);
    // The value may grow between asking its size and reading it; ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(subkey.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                         &bytes) != ERROR_SUCCESS) {
            return defaultValue;
        }
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(subkey.get(), nullptr, name.c_str(), RRF_RT_REG_SZ,
                                            nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return defaultValue;
        text.resize(bytes / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return narrow(text);
    }
    return defaultValue;
}

void RegistrySettingsStore::save(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& value) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(application, section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    const UniqueRegKey subkey{created};
    const std::wstring text = widen(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(subkey.get(), widen(key).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

}  // namespace orv::win32
