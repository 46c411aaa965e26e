#include "platform/win32/images.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/text.h"

namespace orv::win32 {
namespace {

// Skin images are small; anything larger is not one.
constexpr std::uint64_t kLargestFile = 64u << 20;

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

std::uint16_t read16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

std::vector<std::uint8_t> readFile(const std::wstring& path) {
    const UniqueFile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file) return {};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
        static_cast<std::uint64_t>(size.QuadPart) > kLargestFile) {
        return {};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        return {};
    }
    return bytes;
}

// Whether a file's headers describe pixel data that the file holds. The system's loader trusts
// them and reads past the end of a broken file, so nothing doubtful is handed to it.
bool wholeBitmap(const std::vector<std::uint8_t>& file) {
    constexpr std::size_t kFileHeader = 14;
    if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint64_t pixelsAt = read32(file, 10);
    const std::uint32_t infoSize = read32(file, kFileHeader);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t depth = 0;
    std::uint32_t compression = BI_RGB;
    std::uint64_t dataSize = 0;
    std::uint64_t colours = 0;
    std::uint64_t colourSize = 4;
    if (infoSize == 12) {
        colourSize = 3;
        width = read16(file, kFileHeader + 4);
        height = read16(file, kFileHeader + 6);
        planes = read16(file, kFileHeader + 8);
        depth = read16(file, kFileHeader + 10);
    } else if (infoSize >= 40 && infoSize <= 124 && file.size() >= kFileHeader + 40) {
        width = static_cast<std::int32_t>(read32(file, kFileHeader + 4));
        height = static_cast<std::int32_t>(read32(file, kFileHeader + 8));
        planes = read16(file, kFileHeader + 12);
        depth = read16(file, kFileHeader + 14);
        compression = read32(file, kFileHeader + 16);
        dataSize = read32(file, kFileHeader + 20);
        colours = read32(file, kFileHeader + 32);
    } else {
        return false;
    }
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || planes != 1) return false;
    if (pixelsAt < kFileHeader + infoSize || pixelsAt > file.size()) return false;
    // The colour table (or the three masks of bit fields) must lie inside the file too.
    if (depth <= 8) {
        const std::uint64_t most = std::uint64_t{1} << depth;
        if (colours > most) return false;
        if (colours == 0) colours = most;
    } else if (compression == BI_BITFIELDS && infoSize == 40) {
        colours = 3;
    }
    if (kFileHeader + infoSize + colours * colourSize > file.size()) return false;
    const std::uint64_t available = file.size() - pixelsAt;
    switch (compression) {
        case BI_RGB:
        case BI_BITFIELDS: {
            if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 &&
                depth != 32) {
                return false;
            }
            const std::uint64_t stride =
                ((static_cast<std::uint64_t>(width) * depth + 31) / 32) * 4;
            return stride * static_cast<std::uint64_t>(height) <= available;
        }
        case BI_RLE8:
        case BI_RLE4:
            return (depth == 8 || depth == 4) && dataSize > 0 && dataSize <= available;
        default:
            return false;
    }
}

}  // namespace

UniqueBitmap loadPicture(const forms::ImageRef& image, HINSTANCE resources) {
    // A DIB section keeps the file's own colours whatever the screen's depth, so that a pixel
    // read back is the pixel in the file.
    if (!image.file.empty() && wholeBitmap(readFile(widen(image.file)))) {
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
