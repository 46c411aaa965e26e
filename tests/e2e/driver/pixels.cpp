#include "driver/pixels.h"

#include <algorithm>

#include "driver/window_query.h"

namespace orvanta::e2e {

namespace {

// A 32-bit top-down DIB section selected into a memory DC, released in reverse order.
class Canvas {
public:
    Canvas(HDC like, int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        dc_ = CreateCompatibleDC(like);
        if (bitmap_ != nullptr && dc_ != nullptr) previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (dc_ != nullptr) DeleteDC(dc_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool valid() const { return previous_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }

    // DIB pixels are 0x00RRGGBB; the program's colours are 0x00BBGGRR.
    Image ToImage() const {
        GdiFlush();
        Image image{width_, height_, {}};
        const auto* source = static_cast<const std::uint32_t*>(bits_);
        image.pixels.resize(static_cast<std::size_t>(width_) * height_);
        std::transform(source, source + image.pixels.size(), image.pixels.begin(), [](std::uint32_t p) {
            return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
        });
        return image;
    }

private:
    int width_;
    int height_;
    void* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

template <class Copy>
Image Capture(HWND window, Copy copy) {
    const Size size = ClientSize(window);
    if (size.width <= 0 || size.height <= 0) return {};
    HDC window_dc = GetDC(window);
    Image image;
    {
        Canvas canvas(window_dc, size.width, size.height);
        if (canvas.valid() && copy(canvas.dc(), window_dc, size)) image = canvas.ToImage();
    }
    ReleaseDC(window, window_dc);
    return image;
}

}  // namespace

Image Image::Crop(int left, int top, int crop_width, int crop_height) const {
    Image part{crop_width, crop_height, {}};
    part.pixels.reserve(static_cast<std::size_t>(crop_width) * crop_height);
    for (int y = top; y < top + crop_height; ++y) {
        for (int x = left; x < left + crop_width; ++x) part.pixels.push_back(at(x, y));
    }
    return part;
}

std::size_t Image::Count(std::uint32_t colour) const {
    return static_cast<std::size_t>(std::count(pixels.begin(), pixels.end(), colour));
}

Image CaptureClient(HWND window) {
    return Capture(window, [](HDC target, HDC source, Size size) {
        return BitBlt(target, 0, 0, size.width, size.height, source, 0, 0, SRCCOPY) != 0;
    });
}

}  // namespace orvanta::e2e
