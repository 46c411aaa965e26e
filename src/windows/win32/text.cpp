#include "windows/win32/text.h"

#include <windows.h>

namespace orv::win32 {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, result.data(), length);
    return result;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring filePath(std::string_view utf8) {
    std::wstring path = widen(utf8);  // not const: returned as it is, it moves
    const auto separator = [&](std::size_t at) {
        return at < path.size() && (path[at] == L'\\' || path[at] == L'/');
    };
    const bool onDrive = path.size() > 1 && path[1] == L':' && separator(2);
    const bool onShare =
        separator(0) && separator(1) && path.size() > 2 && path[2] != L'?' && path[2] != L'.';
    if (!onDrive && !onShare) return path;
    // The long form is taken literally: "." and ".." and forward slashes are resolved first.
    std::wstring full(path.size() + 1, L'\0');
    DWORD length = 0;
    while ((length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                      nullptr)) >= full.size()) {
        full.resize(length);
    }
    if (length == 0) return path;
    full.resize(length);
    return onShare ? L"\\\\?\\UNC" + full.substr(1) : L"\\\\?\\" + full;
}

}  // namespace orv::win32
