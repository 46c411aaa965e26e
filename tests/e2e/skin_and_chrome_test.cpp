// The window's face: the built-in skin it wears, the regions that act as a frame's buttons, the
// pressed look of the About button and the custom-colours button that a user scheme enables.
#include <gtest/gtest.h>

#include "bitmaps.h"
#include "program_session.h"

namespace orv::testing {
namespace {

using orv::testing::WaitUntil;

class SkinAndChrome : public ProgramSession {
  protected:
    Image Builtin(int id) { return ResourceBitmap(ProgramUnderTest(), id); }
};

TEST_F(SkinAndChrome, WearsTheBuiltInSkin) {
    const Image background = Builtin(100);
    ASSERT_EQ(background.width, 473);
    ASSERT_EQ(background.height, 314);
    // The window may still be painting itself just after it appears.
    const Image startStop = Builtin(101);
    WaitUntil([&] { return Face(Control(L"cmdStart")).pixels == startStop.pixels; });
    const Image face = CaptureClient(window);
    ASSERT_EQ(face.width, 473);
    // Spots of the face that no control covers: frame, title strip, marks, panels.
    const POINT spots[] = {{2, 2},     {100, 17},  {429, 17},  {454, 17},  {470, 150},
                           {285, 120}, {330, 250}, {420, 300}, {150, 310}, {5, 200}};
    for (const POINT& p : spots) {
        EXPECT_EQ(face.at(p.x, p.y), background.at(p.x, p.y)) << "at " << p.x << "," << p.y;
    }
    EXPECT_EQ(background.at(50, 50), RGB(4, 2, 4));
    // The buttons' start looks: Start released, Stop pressed, About released, custom blocked.
    const struct {
        const wchar_t* name;
        int bitmap;
    } buttons[] = {{L"cmdStart", 101}, {L"cmdStop", 104}, {L"cmdAbout", 106}, {L"cmdCustom", 110}};
    for (const auto& b : buttons) {
        EXPECT_EQ(Face(Control(b.name)).pixels, Builtin(b.bitmap).pixels) << b.bitmap;
    }
}

TEST_F(SkinAndChrome, APressOnTheMinimiseMarkMinimises) {
    Press(window, 429, 17);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));
    EXPECT_TRUE(program->running());
}

TEST_F(SkinAndChrome, APressOnTheCloseMarkEndsTheProgram) {
    Press(window, 454, 17);
    EXPECT_TRUE(program->WaitForExit().has_value());
}

TEST_F(SkinAndChrome, APressOnTheExitFaceEndsTheProgram) {
    Press(window, 400, 80, MouseButton::Right);
    EXPECT_TRUE(program->WaitForExit().has_value());
}

TEST_F(SkinAndChrome, TheAboutButtonLooksPressedWhileHeld) {
    HWND about = Control(L"cmdAbout");
    const Image pressed = Builtin(107);
    const Image released = Builtin(106);
    ASSERT_NE(pressed.pixels, released.pixels);

    Press(about, 10, 10);
    EXPECT_TRUE(WaitUntil([&] { return Face(about).pixels == pressed.pixels; }));
    Release(about, 10, 10);
    // The release was a click: the About box opens (over the button, perhaps).
    const auto box = WaitForMessageBox(program->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(PressOk(box->window));
    EXPECT_TRUE(WaitUntil([&] { return Face(about).pixels == released.pixels; }));
}

TEST_F(SkinAndChrome, AUserSchemeEnablesTheCustomColoursButton) {
    HWND custom = Control(L"cmdCustom");
    EXPECT_FALSE(IsWindowEnabled(custom));
    SelectListItem(Control(L"cmbColor"), 11);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(custom) != FALSE; }));
    EXPECT_TRUE(WaitUntil([&] { return Face(custom).pixels == Builtin(108).pixels; }));
    SelectListItem(Control(L"cmbColor"), 8);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(custom); }));
}

}  // namespace
}  // namespace orv::testing
