// The program's own pictures, read the way a test compares them with the screen.
#pragma once

#include <string>

#include "driver/pixels.h"

namespace orv::testing {

// A bitmap resource of a program file, by number; empty if it has none.
Image ResourceBitmap(const std::wstring& program, int id);
// A bitmap file; empty if it cannot be read.
Image BitmapFile(const std::wstring& path);
// The folder of a program file, with a trailing backslash.
std::wstring FolderOf(const std::wstring& program);

}  // namespace orv::testing
