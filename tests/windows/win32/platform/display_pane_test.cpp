// The display pane shows the program's drawn picture pixel for pixel, with the grid lines over
// it and never in it; replacing pictures, however often, leaves no GDI object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "native.h"
#include "support/client_pixels.h"
#include "support/wait.h"
#include "windows/forms/form.h"
#include "windows/forms/picture_box.h"
#include "windows/win32/picture_peer.h"
#include "windows/win32/win32_platform.h"

namespace orv::win32 {
namespace {

using testing::toDib;

// The program's picture: 256 x 256 pixels, 0x00RRGGBB, rows top-down.
struct Canvas : forms::RasterSource {
    forms::RasterView raster() const override { return {256, 256, pixels.data()}; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * 256 + x)]; }
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(256 * 256);
};

// A window like the main one: a pane with a drawn picture and grid lines inside it, and a
// bitmap button.
class PaneForm : public forms::Form {
  public:
    explicit PaneForm(forms::FormHost* host)
        : Form("frmPane", 300, 300, forms::BorderStyle::None, host) {
        add(pane);
        add(button);
        for (auto* line : {&vertical, &horizontal, &hidden}) {
            line->setContainer(&pane);
            add(*line);
        }
    }
    forms::PictureBox pane{"pctSpec", {13, 20, 260, 260}, 0, 0x000000};
    forms::PictureBox button{"cmdStart", {280, 0, 20, 20}, 1};
    forms::Line vertical{"vl", {8, 0, 8, 256}, 0x004000, true};
    forms::Line horizontal{"hl", {0, 18, 256, 18}, 0x004000, true};
    forms::Line hidden{"hl", {0, 28, 256, 28}, 0x004000, false};
};

class DisplayPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.pane.setDrawing(&canvas);
        form.show();
        form.setTopmost(true);  // nothing may cover what is read back
        orv::testing::pumpMessages();
        pane = testing::childNamed(platform.windowOf(form), L"pctSpec");
        ASSERT_NE(pane, nullptr);
    }
    void TearDown() override { form.unload(); }

    // The canvas as the pane must show it: the visible lines drawn over a copy.
    std::vector<std::uint32_t> expected() const {
        std::vector<std::uint32_t> picture(260 * 260, toDib(form.pane.backColour()));
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) picture[y * 260 + x] = canvas.pixels[y * 256 + x];
        }
        for (int y = 0; y <= 256; ++y) picture[y * 260 + 8] = toDib(0x004000);
        for (int x = 0; x <= 256; ++x) picture[18 * 260 + x] = toDib(0x004000);
        return picture;
    }

    Win32Platform platform{GetModuleHandleW(nullptr), "Orvanta 2"};
    PaneForm form{&platform};
    Canvas canvas;
    HWND pane = nullptr;
};

// Where two pictures differ first, for a readable failure.
std::string firstDifference(const std::vector<std::uint32_t>& shown,
                            const std::vector<std::uint32_t>& wanted) {
    for (std::size_t i = 0; i < shown.size() && i < wanted.size(); ++i) {
        if (shown[i] != wanted[i]) {
            char text[96];
            wsprintfA(text, "(%d, %d): shown %06lx, wanted %06lx", static_cast<int>(i % 260),
                      static_cast<int>(i / 260), static_cast<unsigned long>(shown[i]),
                      static_cast<unsigned long>(wanted[i]));
            return text;
        }
    }
    return shown.size() == wanted.size() ? "" : "sizes differ";
}

TEST_F(DisplayPaneTest, ShowsTheCanvasPixelForPixelWithTheGridOverIt) {
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            canvas.at(x, y) = static_cast<std::uint32_t>((x << 16) | (y << 8) | ((x ^ y) & 0xFF));
        }
    }
    const std::vector<std::uint32_t> drawn = canvas.pixels;
    form.pane.refresh();
    EXPECT_EQ(firstDifference(orv::testing::captureClientPixels(pane).pixels, expected()), "");
    // The grid was drawn over the copy on the screen, not into the program's picture.
    EXPECT_EQ(canvas.pixels, drawn);
}

TEST_F(DisplayPaneTest, EachRefreshShowsTheLatestBlockAtOnce) {
    for (const std::uint32_t colour : {0x00FF0000u, 0x0000FF00u, 0x00123456u}) {
        std::fill(canvas.pixels.begin(), canvas.pixels.end(), colour);
        form.pane.refresh();  // no pump: the capture loop draws and refreshes before it pumps
        EXPECT_EQ(firstDifference(orv::testing::captureClientPixels(pane).pixels, expected()), "");
    }
}

TEST_F(DisplayPaneTest, HidingALineRemovesItFromThePane) {
    form.vertical.setVisible(false);
    form.horizontal.setVisible(false);
    orv::testing::pumpMessages();
    const std::vector<std::uint32_t> shown = orv::testing::captureClientPixels(pane).pixels;
    EXPECT_EQ(shown[100 * 260 + 8], 0u);
    EXPECT_EQ(shown[18 * 260 + 100], 0u);
}

TEST_F(DisplayPaneTest, AWindowPaintedOverIsRepaintedFromTheCanvas) {
    std::fill(canvas.pixels.begin(), canvas.pixels.end(), 0x00336699u);
    form.pane.refresh();
    {
        const WindowDc dc(pane);
        RECT all{0, 0, 260, 260};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    InvalidateRect(pane, nullptr, FALSE);
    orv::testing::pumpMessages();
    EXPECT_EQ(firstDifference(orv::testing::captureClientPixels(pane).pixels, expected()), "");
}

TEST_F(DisplayPaneTest, ReplacingPicturesLeavesTheGdiObjectCountFlat) {
    const std::string missing = "C:\\orvanta-no-such-skin\\kxStartN.bmp";
    auto replaceAll = [&](int round) {
        form.button.setPicture({101 + round % 2, round % 3 == 0 ? missing : std::string{}});
        form.setPicture({100, {}});
        form.pane.setBackColour(static_cast<forms::Colour>(round & 0xFF));
        form.pane.refresh();
        if (round % 50 == 0) orv::testing::pumpMessages();
    };
    for (int round = 0; round < 100; ++round) replaceAll(round);  // every lazy object made
    orv::testing::pumpMessages();
    const long before = testing::gdiObjectsInUse();
    const auto* button = dynamic_cast<const PicturePeer*>(form.button.peer());
    ASSERT_NE(button, nullptr);
    for (int round = 0; round < 10000; ++round) {
        const HBITMAP old = button->picture();
        replaceAll(round);
        ASSERT_NE(button->picture(), nullptr);
        ASSERT_EQ(GetObjectType(old), 0u) << "round " << round << ": the replaced picture lives";
    }
    orv::testing::pumpMessages();
    EXPECT_EQ(testing::gdiObjectsInUse(), before);
}

}  // namespace
}  // namespace orv::win32
