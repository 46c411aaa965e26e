#pragma once

#include <windows.h>

#include "windows/forms/picture_box.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// Loads a picture anew: the bitmap file when it names one that loads, otherwise the numbered
// bitmap resource of `resources`; empty when there is neither (resource 0 means no picture).
UniqueBitmap loadPicture(const forms::ImageRef& image, HINSTANCE resources);

// Width and height of a bitmap, zero for none.
SIZE bitmapSize(HBITMAP bitmap);

// Copies a bitmap to `dc` at (0, 0), unscaled.
void drawBitmap(HDC dc, HBITMAP bitmap);

}  // namespace orv::win32
