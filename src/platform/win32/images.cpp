#include "platform/win32/images.h"

#include "platform/win32/text.h"

namespace orv::win32 {

UniqueBitmap loadPicture(const forms::ImageRef& image, HINSTANCE resources) {
    // A DIB section keeps the file's own colours whatever the screen's depth, so that a pixel
    // read back is the pixel in the file.
    if (!image.file.empty()) {
        UniqueBitmap fromFile{
            static_cast<HBITMAP>(LoadImageW(nullptr, widen(image.file).c_str(), IMAGE_BITMAP, 0, 0,
                                            LR_LOADFROMFILE | LR_CREATEDIBSECTION))};
        if (fromFile) return fromFile;
    }
    if (image.resourceId <= 0 || image.resourceId > 0xFFFF) return {};
    return UniqueBitmap{static_cast<HBITMAP>(LoadImageW(
        resources, MAKEINTRESOURCEW(image.resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))};
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void drawBitmap(HDC dc, HBITMAP bitmap) {
    if (bitmap == nullptr) return;
    const UniqueDc source{CreateCompatibleDC(dc)};
    const Selection selected(source.get(), bitmap);
    const SIZE size = bitmapSize(bitmap);
    BitBlt(dc, 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

}  // namespace orv::win32
