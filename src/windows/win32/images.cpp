#include "windows/win32/images.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

// The largest control shows 473 × 314 pixels. A picture far larger than that is no skin image:
// refused before it is decoded, so that a small compressed file cannot claim gigabytes, and no
// skin's pictures together can hold more than a few megabytes (4 MB each at most).
constexpr std::int64_t kLargestSide = 1024;
// The largest file such a picture takes, uncompressed, with room for headers.
constexpr std::uint64_t kLargestFile = (kLargestSide * kLargestSide * 4) + (64u << 10);

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

constexpr std::size_t kFileHeader = 14;

// Where a bitmap file's parts lie.
struct Layout {
    std::size_t headerBytes;  // the info header and the colour table (or bit-field masks)
    std::size_t pixelsAt;
    std::int64_t height;  // negative: rows stored top-down
    bool compressed;      // RLE
};

// The layout of a file whose headers describe pixel data that the file holds, and a picture no
// control could show in full is refused; nothing when the file is not such a bitmap. The
// system's decoder trusts the headers and reads past the end of a broken file, so nothing
// doubtful is handed to it.
std::optional<Layout> bitmapLayout(const std::vector<std::uint8_t>& file) {
    if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
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
        return std::nullopt;
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || rows <= 0 || width > kLargestSide || rows > kLargestSide || planes != 1) {
        return std::nullopt;
    }
    if (pixelsAt < kFileHeader + infoSize || pixelsAt > file.size()) return std::nullopt;
    // The colour table (or the three masks of bit fields) must lie inside the file too.
    if (depth <= 8) {
        const std::uint64_t most = std::uint64_t{1} << depth;
        if (colours > most) return std::nullopt;
        if (colours == 0) colours = most;
    } else if (compression == BI_BITFIELDS && infoSize == 40) {
        colours = 3;
    } else {
        colours = 0;
    }
    const std::uint64_t headerBytes = infoSize + (colours * colourSize);
    if (kFileHeader + headerBytes > file.size()) return std::nullopt;
    const Layout layout{static_cast<std::size_t>(headerBytes), static_cast<std::size_t>(pixelsAt),
                        height, compression == BI_RLE8 || compression == BI_RLE4};
    const std::uint64_t available = file.size() - pixelsAt;
    switch (compression) {
        case BI_RGB:
        case BI_BITFIELDS: {
            if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 &&
                depth != 32) {
                return std::nullopt;
            }
            const std::uint64_t stride =
                ((static_cast<std::uint64_t>(width) * depth + 31) / 32) * 4;
            if (stride * static_cast<std::uint64_t>(rows) > available) return std::nullopt;
            return layout;
        }
        case BI_RLE8:
        case BI_RLE4:
            // Compressed rows are bottom-up by definition.
            if ((depth != 8 && depth != 4) || height < 0 || dataSize == 0 || dataSize > available) {
                return std::nullopt;
            }
            return layout;
        default:
            return std::nullopt;
    }
}

// The picture of a checked file, made from the bytes already read (the system's own file loader
// takes no path beyond MAX_PATH characters): a DIB section of the file's depth and colours,
// which keeps them whatever the screen's depth, so that a pixel read back is the pixel in the
// file. The system's decoder fills it, expanding RLE, and stands rows stored top-down right
// side up.
UniqueBitmap decodeBitmap(const std::vector<std::uint8_t>& file, const Layout& layout) {
    // Copies: the headers in the file are not aligned as the structures are.
    const auto header = file.begin() + kFileHeader;
    std::vector<std::uint8_t> given(header,
                                    header + static_cast<std::ptrdiff_t>(layout.headerBytes));
    std::vector<std::uint8_t> section = given;
    if (read32(section, 0) >= 40) {
        const auto height =
            static_cast<std::uint32_t>(layout.height < 0 ? -layout.height : layout.height);
        std::memcpy(section.data() + 8, &height, sizeof height);
        if (layout.compressed) {
            const std::uint32_t uncompressed[2] = {BI_RGB, 0};  // compression, image size
            std::memcpy(section.data() + 16, uncompressed, sizeof uncompressed);
        }
    }
    void* bits = nullptr;
    UniqueBitmap bitmap{CreateDIBSection(nullptr,
                                         reinterpret_cast<const BITMAPINFO*>(section.data()),
                                         DIB_RGB_COLORS, &bits, nullptr, 0)};
    if (!bitmap) return {};
    const SIZE size = bitmapSize(bitmap.get());
    const UniqueDc dc{CreateCompatibleDC(nullptr)};
    if (SetDIBits(dc.get(), bitmap.get(), 0, static_cast<UINT>(size.cy),
                  file.data() + layout.pixelsAt, reinterpret_cast<const BITMAPINFO*>(given.data()),
                  DIB_RGB_COLORS) == 0) {
        return {};
    }
    return bitmap;
}

}  // namespace

UniqueBitmap loadPicture(const forms::ImageRef& image, HINSTANCE resources) {
    if (!image.file.empty()) {
        const std::vector<std::uint8_t> file = readFile(filePath(image.file));
        if (const std::optional<Layout> layout = bitmapLayout(file)) {
            if (UniqueBitmap fromFile = decodeBitmap(file, *layout)) return fromFile;
        }
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
