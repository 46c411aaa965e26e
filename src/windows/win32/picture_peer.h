#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "windows/forms/picture_box.h"
#include "windows/win32/child_peer.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// An off-screen bitmap the size of a window, kept between paints so that showing a drawn picture
// allocates nothing.
class BackBuffer {
  public:
    // A DC holding a bitmap of at least this size; made anew only when the size changes.
    HDC prepare(HDC reference, int width, int height);
    // The bitmap's pixels, rows top-down, one 0x00RRGGBB value each.
    std::uint32_t* bits() const noexcept { return bits_; }

  private:
    UniqueBitmap bitmap_;
    UniqueDc dc_;
    Selection selected_;  // declared last: put back before the DC and the bitmap go
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A picture box: shows its loaded picture, or its drawn picture (the display pane), or its
// background colour, with the visible lines it contains drawn over it; takes the mouse.
class PicturePeer final : public ChildPeer {
  public:
    PicturePeer(forms::PictureBox& box, const PeerSite& site);
    ~PicturePeer() override;

    // Routed from the window procedure of the picture class.
    std::optional<LRESULT> route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void redraw(const forms::Control& control) override;

    // What the box shows now, as drawn on the screen.
    void paint(HDC dc);
    // The bitmap currently shown, for tests.
    HBITMAP picture() const noexcept { return picture_.get(); }

  private:
    template <typename Window>
    friend std::optional<LRESULT> routePaintedWindow(Window& window, UINT message, WPARAM wParam,
                                                     LPARAM lParam);

    void mirror() override;
    void paintDrawing(HDC dc, const RECT& client);
    void paintLines(HDC dc) const;
    LRESULT onButtonDown(forms::MouseButton button, WPARAM wParam, LPARAM lParam);
    LRESULT onButtonUp(forms::MouseButton button, WPARAM wParam, LPARAM lParam);
    void captureLost() noexcept { held_ = 0; }

    forms::PictureBox& box_;
    UniqueBitmap picture_;
    BackBuffer buffer_;
    int held_ = 0;  // buttons pressed on the box and not yet released
};

// A line object: no window of its own, drawn by the picture box that contains it.
class LinePeer final : public forms::ControlPeer {
  public:
    explicit LinePeer(forms::Line& line) noexcept : line_(line) {}
    void stateChanged(const forms::Control& control) override;

  private:
    forms::Line& line_;
};

}  // namespace orv::win32
