// The window's face: the built-in skin it wears, the regions that act as a frame's buttons, the
// pressed look of the About button and the custom-colours button that a user scheme enables.
#include <gtest/gtest.h>

#include "bitmaps.h"
#include "program_session.h"

namespace orv::testing {
namespace {

class SkinAndChrome : public ProgramSession {
  protected:
    Image builtin(int id) { return resourceBitmap(programUnderTest(), id); }
};

TEST_F(SkinAndChrome, WearsTheBuiltInSkin) {
    const Image background = builtin(100);
    ASSERT_EQ(background.width, 473);
    ASSERT_EQ(background.height, 314);
    // The window may still be painting itself just after it appears.
    const Image startStop = builtin(101);
    waitUntil([&] { return pictureOf(control(L"cmdStart")).pixels == startStop.pixels; });
    const Image face = captureClient(window);
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
        EXPECT_EQ(pictureOf(control(b.name)).pixels, builtin(b.bitmap).pixels) << b.bitmap;
    }
}

TEST_F(SkinAndChrome, APressOnTheMinimiseMarkMinimises) {
    press(window, 429, 17);
    EXPECT_TRUE(waitUntil([&] { return IsIconic(window) != FALSE; }));
    EXPECT_TRUE(program->running());
}

TEST_F(SkinAndChrome, APressOnTheCloseMarkEndsTheProgram) {
    press(window, 454, 17);
    EXPECT_TRUE(program->waitForExit().has_value());
}

TEST_F(SkinAndChrome, APressOnTheExitFaceEndsTheProgram) {
    press(window, 400, 80, MouseButton::Right);
    EXPECT_TRUE(program->waitForExit().has_value());
}

TEST_F(SkinAndChrome, TheAboutButtonLooksPressedWhileHeld) {
    HWND about = control(L"cmdAbout");
    const Image pressed = builtin(107);
    const Image released = builtin(106);
    ASSERT_NE(pressed.pixels, released.pixels);

    press(about, 10, 10);
    EXPECT_TRUE(waitUntil([&] { return pictureOf(about).pixels == pressed.pixels; }));
    release(about, 10, 10);
    // The release was a click: the About box opens (over the button, perhaps).
    const auto box = waitForMessageBox(program->id());
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(pressOk(box->window));
    EXPECT_TRUE(waitUntil([&] { return pictureOf(about).pixels == released.pixels; }));
}

TEST_F(SkinAndChrome, AUserSchemeEnablesTheCustomColoursButton) {
    HWND custom = control(L"cmdCustom");
    EXPECT_FALSE(IsWindowEnabled(custom));
    selectListItem(control(L"cmbColor"), 11);
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(custom) != FALSE; }));
    EXPECT_TRUE(waitUntil([&] { return pictureOf(custom).pixels == builtin(108).pixels; }));
    selectListItem(control(L"cmbColor"), 8);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowEnabled(custom); }));
}

}  // namespace
}  // namespace orv::testing
