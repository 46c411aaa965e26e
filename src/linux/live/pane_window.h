#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "linux/live/pane_placement.h"

struct SDL_Window;

namespace orv::live {

// The live picture's window (SDL2): resizable, the pane's picture centred on black at the
// placement's whole-number scale. Drawn through the window's own surface, no GPU needed.
class PaneWindow {
  public:
    // Throws LiveError when there is no display to open it on. The size is held to the
    // display's usable area (boundedWindowSize), also when the user resizes the window.
    PaneWindow(int width, int height, int paneWidth, int paneHeight);
    ~PaneWindow();
    PaneWindow(const PaneWindow&) = delete;
    PaneWindow& operator=(const PaneWindow&) = delete;

    void setTitle(const std::string& title);
    void setOnTop(bool onTop);
    void setFullScreen(bool fullScreen);
    bool fullScreen() const;
    // The size of the window when it is not full screen.
    void size(int& width, int& height) const;
    // Whether the size asked for at opening did not fit and another was used.
    bool sizeWasBounded() const { return sizeWasBounded_; }

    // After the window changed size: holds it to the usable area out of full screen, takes the
    // new surface and paints it black.
    void resized();
    // Shows the pane's picture at the placement's scale (placement().width x height pixels, rows
    // top-down, 0x00RRGGBB); what falls outside a small window is cut off.
    void show(std::span<const std::uint32_t> picture);
    const PanePlacement& placement() const { return placement_; }

  private:
    SDL_Window* window_ = nullptr;
    int paneWidth_;
    int paneHeight_;
    PanePlacement placement_;
    WindowSize usable_;    // the display's usable area
    WindowSize windowed_;  // the size to come back to from full screen
    bool sizeWasBounded_ = false;
};

}  // namespace orv::live
