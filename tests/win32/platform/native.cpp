#include "native.h"

#include <string>

#include "platform/win32/child_peer.h"
#include "platform/win32/unique_handle.h"

namespace orv::win32::testing {

HWND childNamed(HWND parent, std::wstring_view name) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto atom =
            static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(child, kNameProperty)));
        if (atom == 0) continue;
        wchar_t text[256] = {};
        const UINT length = GlobalGetAtomNameW(atom, text, 256);
        if (std::wstring_view(text, length) == name) return child;
    }
    return nullptr;
}

long gdiObjectsInUse() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
        return static_cast<long>(counted);
    }
    std::vector<HGDIOBJ> probe;
    probe.reserve(70000);
    while (probe.size() < 200000) {
        HGDIOBJ pen = CreatePen(PS_SOLID, 1, 0);
        if (pen == nullptr) break;
        probe.push_back(pen);
    }
    for (HGDIOBJ pen : probe) DeleteObject(pen);
    return -static_cast<long>(probe.size());
}

std::vector<std::uint32_t> clientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const WindowDc screen(window);
    const UniqueBitmap copy{
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
    const UniqueDc memory{CreateCompatibleDC(screen.get())};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (!copy || !memory || bits == nullptr) return pixels;
    {
        const Selection selected(memory.get(), copy.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0x00FFFFFF;
    return pixels;
}

}  // namespace orv::win32::testing
