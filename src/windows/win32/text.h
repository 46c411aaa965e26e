#pragma once

#include <string>
#include <string_view>

namespace orv::win32 {

// The program keeps text as UTF-8; Windows takes UTF-16. These are the only conversions.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// A file's path as the file functions take it whatever its length: an absolute path in the
// \\?\ form, which passes the old limit of MAX_PATH characters (a deep install folder);
// anything else as it is.
std::wstring filePath(std::string_view utf8);

}  // namespace orv::win32
