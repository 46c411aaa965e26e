#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "windows/support/program_fixture.h"

namespace orv::testing {
namespace {

using forms::MouseButton;

class ChromeTest : public ProgramTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.Main());
        program.chrome().showPopupMenu = [this](float x, float y) { popups.push_back({x, y}); };
        program.chrome().showSkinChooser = [this] {
            onTopWhileOpen.push_back(f().chkOnTop.value());
        };
        program.chrome().showColourEditor = [this] {
            onTopWhileOpen.push_back(f().chkOnTop.value());
        };
    }
    mainwindow::MainForm& f() { return program.frmMain(); }
    FakeFormPeer& peer() { return platform.peerOf(f()); }

    app::Program program{platform, store, device, appInfo()};
    std::vector<FakeFormPeer::Move> popups;
    std::vector<int> onTopWhileOpen;
};

enum class Outcome { Minimise, Close, Drag, Menu, Nothing };

struct PressCase {
    float x, y;
    MouseButton button;
    Outcome outcome;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << "press " << static_cast<int>(c.button) << " at " << c.x << "," << c.y;
}

class FacePress : public ChromeTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(FacePress, ActsByRegionThenByButton) {
    const PressCase& c = GetParam();
    f().mouseDown(c.button, 0, c.x, c.y);

    EXPECT_EQ(peer().minimized, c.outcome == Outcome::Minimise ? 1 : 0);
    EXPECT_EQ(platform.ended, c.outcome == Outcome::Close);
    f().mouseMove(c.button, 0, c.x + 1, c.y);
    EXPECT_EQ(peer().moves.size(), c.outcome == Outcome::Drag ? 1U : 0U);
    EXPECT_EQ(popups.size(), c.outcome == Outcome::Menu ? 1U : 0U);
    if (c.outcome == Outcome::Menu) {
        EXPECT_EQ(popups[0].dx, c.x);
        EXPECT_EQ(popups[0].dy, c.y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Regions, FacePress,
    ::testing::Values(PressCase{420, 8, MouseButton::Left, Outcome::Minimise},
                      PressCase{438, 27, MouseButton::Right, Outcome::Minimise},
                      PressCase{430, 20, MouseButton::Middle, Outcome::Minimise},
                      // The bounds themselves lie outside.
                      PressCase{419, 20, MouseButton::Left, Outcome::Drag},
                      PressCase{439, 20, MouseButton::Left, Outcome::Drag},
                      PressCase{430, 7, MouseButton::Left, Outcome::Drag},
                      PressCase{430, 28, MouseButton::Right, Outcome::Menu},
                      PressCase{400, 80, MouseButton::Left, Outcome::Close},  // Exit face
                      PressCase{382, 71, MouseButton::Right, Outcome::Close},
                      PressCase{381, 80, MouseButton::Left, Outcome::Drag},
                      PressCase{464, 97, MouseButton::Middle, Outcome::Close},
                      PressCase{445, 8, MouseButton::Right, Outcome::Close},  // Close box
                      PressCase{463, 27, MouseButton::Left, Outcome::Close},
                      PressCase{444, 20, MouseButton::Left, Outcome::Drag},
                      PressCase{5, 5, MouseButton::Right, Outcome::Menu},
                      PressCase{200, 310, MouseButton::Middle, Outcome::Nothing}));

TEST_F(ChromeTest, DraggingMovesTheWindowSoTheGrabbedPointStaysUnderTheCursor) {
    f().mouseMove(MouseButton::None, 0, 50, 50);  // no press yet
    f().mouseDown(MouseButton::Left, 0, 100, 100);
    f().mouseMove(MouseButton::Left, 0, 110, 95);
    f().mouseMove(MouseButton::Left, 0, 90.5F, 100);
    f().mouseUp(MouseButton::Right, 0, 90, 100);  // any release ends the drag
    f().mouseMove(MouseButton::None, 0, 10, 10);

    ASSERT_EQ(peer().moves.size(), 2U);
    EXPECT_FLOAT_EQ(peer().moves[0].dx, 10);
    EXPECT_FLOAT_EQ(peer().moves[0].dy, -5);
    EXPECT_FLOAT_EQ(peer().moves[1].dx, -9.5F);
    EXPECT_FLOAT_EQ(peer().moves[1].dy, 0);
}

TEST_F(ChromeTest, KeepOnTopFollowsTheBox) {
    peer().topmostCalls.clear();
    f().chkOnTop.setValue(0);
    f().chkOnTop.setValue(0);
    f().chkOnTop.setValue(1);
    EXPECT_EQ(peer().topmostCalls, (std::vector<bool>{false, true}));
}

TEST_F(ChromeTest, ModalWindowsOpenInsideTheOnTopPauseAndLeaveTheBoxTicked) {
    f().chkOnTop.setValue(0);
    peer().topmostCalls.clear();

    f().dblClick();
    f().cmdCustom.setEnabled(true);
    f().cmdCustom.click();

    EXPECT_EQ(onTopWhileOpen, (std::vector<int>{0, 0}));
    EXPECT_EQ(f().chkOnTop.value(), 1);
    // The first pause finds the box clear already, so only its end changes anything.
    EXPECT_EQ(peer().topmostCalls, (std::vector<bool>{true, false, true}));
}

TEST_F(ChromeTest, AboutAndCustomButtonsShowTheirPressedLookWhileHeldWithAnyButton) {
    f().cmdAbout.mouseDown(MouseButton::Right, 0, 1, 1);
    EXPECT_EQ(f().cmdAbout.picture().resourceId, 107);
    f().cmdAbout.mouseUp(MouseButton::Right, 0, 1, 1);
    EXPECT_EQ(f().cmdAbout.picture().resourceId, 106);

    f().cmdCustom.setEnabled(true);
    f().cmdCustom.mouseDown(MouseButton::Middle, 0, 1, 1);
    EXPECT_EQ(f().cmdCustom.picture().resourceId, 109);
    f().cmdCustom.mouseUp(MouseButton::Middle, 0, 1, 1);
    EXPECT_EQ(f().cmdCustom.picture().resourceId, 108);
}

TEST_F(ChromeTest, PressedLooksComeFromTheCurrentFolderSkin) {
    const_cast<mainwindow::Skin&>(program.skin()).CurrentSkin = "Ocean";
    f().cmdAbout.mouseDown(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(f().cmdAbout.picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxAboutD.bmp");
    f().cmdAbout.mouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(f().cmdAbout.picture().file, "C:\\Orvanta\\Skin\\Ocean\\kxAboutN.bmp");
}

}  // namespace
}  // namespace orv::testing
