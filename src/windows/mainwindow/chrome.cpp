#include "windows/mainwindow/chrome.h"

#include <array>

#include "windows/mainwindow/on_top_pause.h"

namespace orv::mainwindow {
namespace {

enum class FaceAction { Minimise, Close };

// Regions of the face that act as a frame's buttons. Bounds are exclusive; the first region that
// holds the point wins.
struct HotRegion {
    float left, right, top, bottom;
    FaceAction action;
    bool contains(float x, float y) const { return left < x && x < right && top < y && y < bottom; }
};

constexpr std::array<HotRegion, 3> kHotRegions{{
    {419, 439, 7, 28, FaceAction::Minimise},
    {381, 465, 70, 98, FaceAction::Close},  // the Exit button painted on the face
    {444, 464, 7, 28, FaceAction::Close},
}};

}  // namespace

void Chrome::wire() {
    using forms::MouseButton;
    frmMain_.onMouseDown = [this](MouseButton b, int s, float x, float y) {
        Form_MouseDown(b, s, x, y);
    };
    frmMain_.onMouseMove = [this](MouseButton b, int s, float x, float y) {
        Form_MouseMove(b, s, x, y);
    };
    frmMain_.onMouseUp = [this](MouseButton b, int s, float x, float y) {
        Form_MouseUp(b, s, x, y);
    };
    frmMain_.onDblClick = [this] { Form_DblClick(); };
    frmMain_.chkOnTop.onClick = [this] { chkOnTop_Click(); };
    frmMain_.cmdAbout.onMouseDown = [this](MouseButton, int, float, float) {
        cmdAbout_MouseDown();
    };
    frmMain_.cmdAbout.onMouseUp = [this](MouseButton, int, float, float) { cmdAbout_MouseUp(); };
    frmMain_.cmdAbout.onClick = [this] { cmdAbout_Click(); };
    frmMain_.cmdCustom.onMouseDown = [this](MouseButton, int, float, float) {
        cmdCustom_MouseDown();
    };
    frmMain_.cmdCustom.onMouseUp = [this](MouseButton, int, float, float) { cmdCustom_MouseUp(); };
    frmMain_.cmdCustom.onClick = [this] { cmdCustom_Click(); };
}

void Chrome::Form_MouseDown(forms::MouseButton button, int /*shift*/, float x, float y) {
    for (const HotRegion& region : kHotRegions) {
        if (!region.contains(x, y)) continue;
        if (region.action == FaceAction::Minimise) {
            frmMain_.minimize();
        } else {
            frmMain_.close();
        }
        return;
    }
    if (button == forms::MouseButton::Left) {
        dragging_ = true;
        grabX_ = x;
        grabY_ = y;
    } else if (button == forms::MouseButton::Right) {
        if (showPopupMenu) showPopupMenu(x, y);
    }
}

void Chrome::Form_MouseMove(forms::MouseButton /*button*/, int /*shift*/, float x, float y) {
    if (dragging_) frmMain_.moveBy(x - grabX_, y - grabY_);
}

void Chrome::Form_MouseUp(forms::MouseButton /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    dragging_ = false;
}

void Chrome::Form_DblClick() {
    withOnTopPause(frmMain_.chkOnTop, [this] {
        if (showSkinChooser) showSkinChooser();
    });
}

void Chrome::chkOnTop_Click() {
    frmMain_.setTopmost(frmMain_.chkOnTop.value() == 1);
}

void Chrome::cmdAbout_MouseDown() {
    frmMain_.cmdAbout.setPicture(skin_.image(SkinImage::AboutD));
}

void Chrome::cmdAbout_MouseUp() {
    frmMain_.cmdAbout.setPicture(skin_.image(SkinImage::AboutN));
}

void Chrome::cmdAbout_Click() {
    if (showAbout) showAbout();
}

void Chrome::cmdCustom_MouseDown() {
    frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomD));
}

void Chrome::cmdCustom_MouseUp() {
    frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomN));
}

void Chrome::cmdCustom_Click() {
    withOnTopPause(frmMain_.chkOnTop, [this] {
        if (showColourEditor) showColourEditor();
    });
}

}  // namespace orv::mainwindow
