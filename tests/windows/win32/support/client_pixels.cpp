#include "support/client_pixels.h"

namespace orv::testing {

ClientPixels captureClientPixels(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return {};
    const int width = client.right;
    const int height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    ClientPixels result;
    HDC screen = GetDC(window);
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    if (copy != nullptr && memory != nullptr && bits != nullptr) {
        HGDIOBJ previous = SelectObject(memory, copy);
        const bool copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, previous);
        if (copied) {
            const auto* source = static_cast<const std::uint32_t*>(bits);
            result = {width, height, {}};
            result.pixels.reserve(static_cast<std::size_t>(width) *
                                  static_cast<std::size_t>(height));
            for (std::size_t i = 0;
                 i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
                result.pixels.push_back(source[i] & 0x00FFFFFFu);
            }
        }
    }
    if (memory != nullptr) DeleteDC(memory);
    if (copy != nullptr) DeleteObject(copy);
    ReleaseDC(window, screen);
    return result;
}

}  // namespace orv::testing
