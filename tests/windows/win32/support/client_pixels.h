// Reading back what a window shows, for every Windows-side test that looks at pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace orv::testing {

// The client area of `window`, of this or another process, copied from its device context
// into a 32-bit top-down DIB (BitBlt): rows top first, each pixel 0x00RRGGBB. Empty when the
// window has no client area or the copy fails. (PrintWindow is no help for another process
// under Wine, whose device contexts are private to each process.)
struct ClientPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
ClientPixels captureClientPixels(HWND window);

}  // namespace orv::testing
