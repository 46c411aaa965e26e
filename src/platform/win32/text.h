#pragma once

#include <string>
#include <string_view>

namespace orv::win32 {

// The program keeps text as UTF-8; Windows takes UTF-16. These are the only conversions.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace orv::win32
