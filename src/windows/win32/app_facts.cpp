#include "windows/win32/app_facts.h"

#include <vector>

#include "windows/win32/text.h"

namespace orv::win32 {

std::string moduleFolder(HMODULE module) {
    // However deep the folder: the buffer grows until the whole path fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return narrow(slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash));
}

std::string versionString(HMODULE module, const wchar_t* name) {
    // From the loaded module rather than its file, whose path may be too deep for the version
    // functions.
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto* resource =
        static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (resource == nullptr) return {};
    // A copy: the version functions may write into the block they are given.
    std::vector<BYTE> block(resource, resource + SizeofResource(module, found));

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &bytes) ||
        bytes < sizeof(Translation)) {
        return {};
    }
    wchar_t query[96] = {};
    wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\%s", translations->language,
              translations->codePage, name);
    wchar_t* value = nullptr;
    UINT characters = 0;
    if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&value), &characters) ||
        value == nullptr) {
        return {};
    }
    std::wstring text(value, characters);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return narrow(text);
}

SingleInstance::SingleInstance(const wchar_t* name) : mutex_(CreateMutexW(nullptr, FALSE, name)) {
    anotherRuns_ = GetLastError() == ERROR_ALREADY_EXISTS;
}

forms::AppInfo applicationInfo(HMODULE module, bool prevInstance) {
    forms::AppInfo info;
    info.path = moduleFolder(module);
    info.prevInstance = prevInstance;
    info.comments = versionString(module, L"Comments");
    info.fileDescription = versionString(module, L"FileDescription");
    return info;
}

}  // namespace orv::win32
