#include "bitmaps.h"

#include <windows.h>

namespace orv::testing {
namespace {

// The pixels of a bitmap as 0x00BBGGRR, top row first.
Image pixels(HBITMAP bitmap) {
    Image image;
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return image;
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bgra(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bgra.data(),
                               &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    for (std::uint32_t p : bgra) {
        image.pixels.push_back(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
    }
    return image;
}

}  // namespace

Image resourceBitmap(const std::wstring& program, int id) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return {};
    HANDLE bitmap =
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    Image image = pixels(static_cast<HBITMAP>(bitmap));
    if (bitmap != nullptr) DeleteObject(bitmap);
    FreeLibrary(module);
    return image;
}

Image bitmapFile(const std::wstring& path) {
    HANDLE bitmap = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                               LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    Image image = pixels(static_cast<HBITMAP>(bitmap));
    if (bitmap != nullptr) DeleteObject(bitmap);
    return image;
}

std::wstring folderOf(const std::wstring& program) {
    const auto slash = program.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring{} : program.substr(0, slash + 1);
}

}  // namespace orv::testing
