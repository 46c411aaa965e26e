// The program's own pictures, read the way a test compares them with the screen.
#pragma once

#include <string>

#include "driver/pixels.h"

namespace orv::testing {

// A bitmap resource of a program file, by number; empty if it has none.
Image resourceBitmap(const std::wstring& program, int id);
// A bitmap file; empty if it cannot be read.
Image bitmapFile(const std::wstring& path);
// The folder of a program file, with a trailing backslash.
std::wstring folderOf(const std::wstring& program);

}  // namespace orv::testing
