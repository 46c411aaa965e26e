// Looking at native windows the way the end-to-end driver does, for the Win32 layer's tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace orv::testing {

// The child of `parent` whose OrvantaName property names `name`, or null.
HWND childNamed(HWND parent, std::wstring_view name);

// GDI objects this process holds, for comparisons only. Windows counts them; Wine reports 0,
// so there the count is taken as the handle table's headroom, negated.
long gdiObjectsInUse();

// Converts a colour 0x00BBGGRR to the 0x00RRGGBB of a 32-bit DIB.
constexpr std::uint32_t toDib(std::uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace orv::testing
