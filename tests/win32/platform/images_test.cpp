// Loading pictures: a bitmap file when it loads, else the numbered bitmap resource; never a
// crash for a file that is missing, unreadable or not a bitmap.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/images.h"
#include "platform/win32/text.h"

namespace orv::win32 {
namespace {

HINSTANCE self() {
    return GetModuleHandleW(nullptr);
}

std::string tempFolder() {
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    return narrow(path);
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(widen(path).c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A 24-bit bottom-up bitmap file of one colour (r, g, b).
std::vector<std::uint8_t> bitmapFile(int width, int height, std::uint8_t r, std::uint8_t g,
                                     std::uint8_t b) {
    const int stride = (width * 3 + 3) & ~3;
    const auto size = static_cast<std::uint32_t>(54 + stride * height);
    std::vector<std::uint8_t> file(size, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
            file[at] = b;
            file[at + 1] = g;
            file[at + 2] = r;
        }
    }
    return file;
}

COLORREF pixelOf(HBITMAP bitmap, int x, int y) {
    const UniqueDc dc{CreateCompatibleDC(nullptr)};
    const Selection selected(dc.get(), bitmap);
    return GetPixel(dc.get(), x, y);
}

bool sameSize(HBITMAP bitmap, LONG width, LONG height) {
    const SIZE size = bitmapSize(bitmap);
    return size.cx == width && size.cy == height;
}

TEST(LoadPicture, BuiltInBitmapsHaveTheSizesOfTheirControls) {
    struct Case {
        int id;
        LONG width;
        LONG height;
    };
    const Case cases[] = {{100, 473, 314}, {101, 84, 28}, {102, 84, 28}, {103, 84, 28},
                          {104, 84, 28},   {105, 84, 28}, {106, 84, 28}, {107, 84, 28},
                          {108, 28, 25},   {109, 28, 25}, {110, 28, 25}};
    for (const Case& c : cases) {
        const UniqueBitmap bitmap = loadPicture({c.id, {}}, self());
        ASSERT_TRUE(bitmap) << c.id;
        EXPECT_TRUE(sameSize(bitmap.get(), c.width, c.height)) << c.id;
    }
}

TEST(LoadPicture, AFileWinsOverTheResource) {
    const std::string path = tempFolder() + "orvanta-image-test-file.bmp";
    writeFile(path, bitmapFile(7, 5, 10, 200, 30));
    const UniqueBitmap bitmap = loadPicture({101, path}, self());
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(sameSize(bitmap.get(), 7, 5));
    EXPECT_EQ(pixelOf(bitmap.get(), 0, 0), RGB(10, 200, 30));
    EXPECT_EQ(pixelOf(bitmap.get(), 6, 4), RGB(10, 200, 30));
    DeleteFileW(widen(path).c_str());
}

TEST(LoadPicture, AFileThatDoesNotLoadFallsBackToTheResource) {
    const std::string folder = tempFolder();
    struct Case {
        const char* what;
        std::string path;
        std::vector<std::uint8_t> content;  // empty: the file is not written
    };
    std::vector<std::uint8_t> truncated = bitmapFile(40, 40, 1, 2, 3);
    truncated.resize(70);
    std::vector<std::uint8_t> lying = bitmapFile(4, 4, 1, 2, 3);
    lying[18] = 0xFF;  // a width far beyond the data
    lying[19] = 0xFF;
    const Case cases[] = {
        {"missing file", folder + "orvanta-no-such-file.bmp", {}},
        {"missing folder", folder + "orvanta-no-such-folder\\kxMain.bmp", {}},
        {"text", folder + "orvanta-garbage.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'}},
        {"truncated", folder + "orvanta-truncated.bmp", truncated},
        {"size beyond data", folder + "orvanta-lying.bmp", lying},
        {"a folder", folder, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.content.empty()) writeFile(c.path, c.content);
        const UniqueBitmap bitmap = loadPicture({108, c.path}, self());
        ASSERT_TRUE(bitmap);
        EXPECT_TRUE(sameSize(bitmap.get(), 28, 25));
        if (!c.content.empty()) DeleteFileW(widen(c.path).c_str());
    }
}

TEST(LoadPicture, NothingToShowGivesNoPicture) {
    EXPECT_FALSE(loadPicture({0, {}}, self()));
    EXPECT_FALSE(loadPicture({0, tempFolder() + "orvanta-no-such-file.bmp"}, self()));
    EXPECT_FALSE(loadPicture({999, {}}, self()));
}

}  // namespace
}  // namespace orv::win32
