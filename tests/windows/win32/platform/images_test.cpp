// Loading pictures: a bitmap file when it loads, else the numbered bitmap resource; never a
// crash for a file that is missing, unreadable or not a bitmap, nor gigabytes for a small file
// that claims a huge picture; files in folders deeper than the old path limit load too.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "windows/win32/images.h"
#include "windows/win32/text.h"

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

// An RLE-compressed bitmap file (depth 8 or 4) of one colour: each row in runs of 255 pixels.
std::vector<std::uint8_t> rleFile(int width, int height, int depth) {
    std::vector<std::uint8_t> file(54 + 8, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    const std::uint8_t colour = depth == 8 ? 1 : 0x11;
    for (int y = 0; y < height; ++y) {
        for (int left = width; left > 0; left -= 255) {
            file.push_back(static_cast<std::uint8_t>(left < 255 ? left : 255));
            file.push_back(colour);
        }
        file.insert(file.end(), {0, 0});  // end of row
    }
    file.insert(file.end(), {0, 1});  // end of picture
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54 + 8);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = static_cast<std::uint8_t>(depth);
    put32(30, depth == 8 ? BI_RLE8 : BI_RLE4);
    put32(34, static_cast<std::uint32_t>(file.size() - 62));
    put32(46, 2);                                 // two colours: black and
    put32(58, (40u << 16) | (160u << 8) | 220u);  // this one, stored as blue, green, red
    return file;
}

// The same picture with its rows stored top-down: a negative height.
std::vector<std::uint8_t> topDown(std::vector<std::uint8_t> file) {
    const std::uint32_t height = 0u - (file[22] | (file[23] << 8u));
    for (int i = 0; i < 4; ++i) file[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
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

struct FileCase {
    const char* what;
    std::vector<std::uint8_t> content;
    bool fromFile;  // else refused: the resource's picture (28 × 25) shows
    LONG width = 28;
    LONG height = 25;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.what;
}

class PictureFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PictureFile, LoadsOrFallsBackToTheResource) {
    const FileCase& c = GetParam();
    const std::string path = tempFolder() + "orvanta-picture-file-test.bmp";
    writeFile(path, c.content);
    const UniqueBitmap bitmap = loadPicture({108, path}, self());
    DeleteFileW(widen(path).c_str());
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(sameSize(bitmap.get(), c.width, c.height)) << bitmapSize(bitmap.get()).cx;
    if (c.fromFile) {
        EXPECT_EQ(pixelOf(bitmap.get(), c.width - 1, 0), RGB(40, 160, 220));
    }
}

INSTANTIATE_TEST_SUITE_P(SizesAndRowOrders, PictureFile,
                         ::testing::Values(
                             // Far larger than any control shows: refused before it is decoded.
                             FileCase{"RLE8 16384 x 16384", rleFile(16384, 16384, 8), false},
                             FileCase{"RLE4 16384 x 16384", rleFile(16384, 16384, 4), false},
                             FileCase{"RLE8 4096 x 300", rleFile(4096, 300, 8), false},
                             FileCase{"24-bit 1025 x 2", bitmapFile(1025, 2, 1, 2, 3), false},
                             // The largest accepted, and a compressed button image.
                             FileCase{"RLE8 1024 x 1024", rleFile(1024, 1024, 8), true, 1024, 1024},
                             FileCase{"RLE4 84 x 28", rleFile(84, 28, 4), true, 84, 28},
                             // Compressed rows cannot be stored top-down.
                             FileCase{"RLE8 top-down", topDown(rleFile(84, 28, 8)), false}));

TEST(LoadPicture, RowsStoredTopDownShowRightSideUp) {
    // Its first row in the file is the top one: red, the rest green.
    std::vector<std::uint8_t> content = topDown(bitmapFile(7, 5, 10, 200, 30));
    for (std::size_t at = 54; at < 54 + 7 * 3; at += 3) {
        content[at] = 0;
        content[at + 1] = 0;
        content[at + 2] = 250;
    }
    const std::string path = tempFolder() + "orvanta-top-down-test.bmp";
    writeFile(path, content);
    const UniqueBitmap bitmap = loadPicture({108, path}, self());
    DeleteFileW(widen(path).c_str());
    ASSERT_TRUE(bitmap);
    ASSERT_TRUE(sameSize(bitmap.get(), 7, 5));
    EXPECT_EQ(pixelOf(bitmap.get(), 3, 0), RGB(250, 0, 0));
    EXPECT_EQ(pixelOf(bitmap.get(), 3, 4), RGB(10, 200, 30));
}

std::size_t memoryInUse() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return std::max(counters.WorkingSetSize, counters.PrivateUsage);
}

double millisecondsToLoad(const forms::ImageRef& image, std::vector<UniqueBitmap>& kept) {
    const auto start = std::chrono::steady_clock::now();
    kept.push_back(loadPicture(image, self()));
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

TEST(LoadPicture, ASkinOfHugeCompressedPicturesHoldsNoMoreThanTheBuiltInOne) {
    const std::string path = tempFolder() + "orvanta-huge-rle.bmp";
    writeFile(path, rleFile(16384, 16384, 8));
    std::vector<UniqueBitmap> kept;
    const std::size_t before = memoryInUse();
    double fileTime = 0;
    double builtInTime = 0;
    for (int slot = 0; slot < 10; ++slot) {
        fileTime += millisecondsToLoad({100 + slot, path}, kept);
        builtInTime += millisecondsToLoad({100 + slot, {}}, kept);
    }
    const std::size_t grown = memoryInUse() - std::min(before, memoryInUse());
    DeleteFileW(widen(path).c_str());
    std::cout << "ten 16384 x 16384 RLE files: " << fileTime << " ms to load, the built-in ten "
              << builtInTime << " ms; memory grew by " << grown / 1024 << " KB\n";
    for (std::size_t i = 0; i < kept.size(); i += 2) {
        EXPECT_EQ(pixelOf(kept[i].get(), 5, 5), pixelOf(kept[i + 1].get(), 5, 5)) << i / 2;
    }
    EXPECT_LT(grown, std::size_t{64} << 20);
}

TEST(LoadPicture, AFileDeeperThanThePathLimitLoads) {
    // Folders of 100 characters each, until the file's path passes MAX_PATH.
    std::wstring folder = L"\\\\?\\" + widen(tempFolder()) + L"orvanta-deep";
    std::vector<std::wstring> made{folder};
    CreateDirectoryW(folder.c_str(), nullptr);
    while (folder.size() < MAX_PATH + 10) {
        folder += L"\\" + std::wstring(100, L'd');
        CreateDirectoryW(folder.c_str(), nullptr);
        made.push_back(folder);
    }
    const std::wstring file = folder + L"\\kxStartN.bmp";
    writeFile(narrow(file), bitmapFile(7, 5, 10, 200, 30));
    ASSERT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << "no file to load";
    // The program names the file as any other, without the long form.
    const UniqueBitmap bitmap = loadPicture({101, narrow(file.substr(4))}, self());
    DeleteFileW(file.c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(sameSize(bitmap.get(), 7, 5));
    EXPECT_EQ(pixelOf(bitmap.get(), 3, 3), RGB(10, 200, 30));
}

TEST(LoadPicture, NothingToShowGivesNoPicture) {
    EXPECT_FALSE(loadPicture({0, {}}, self()));
    EXPECT_FALSE(loadPicture({0, tempFolder() + "orvanta-no-such-file.bmp"}, self()));
    EXPECT_FALSE(loadPicture({999, {}}, self()));
}

}  // namespace
}  // namespace orv::win32
