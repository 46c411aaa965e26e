#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <optional>
#include <span>

#include "display/block_drawing.h"
#include "display/raster_canvas.h"
#include "frontend/pane_picture.h"
#include "live/block_queue.h"
#include "live/capture_feed.h"
#include "live/pane_window.h"
#include "live/viewer_state.h"

namespace orv::live {

// The window's thread: sleeps in SDL_WaitEvent until a key, a click or a block arrives, draws
// every queued block once onto the pane, then shows the pane once.
class LiveViewer {
  public:
    LiveViewer(PaneWindow& window, ViewerState& state, display::RasterCanvas& pane,
               const display::CustomColours& colours);

    // Runs until the window is closed, a key quits or the sound ends; the capture posts
    // BLOCK_EVENT per block.
    void run(BlockQueue& queue, const CaptureFeed& feed, std::uint32_t blockEvent);

    std::uint64_t drawn() const { return drawn_; }
    std::uint64_t skippedWhilePaused() const { return skipped_; }
    // The window's last size out of full screen.
    void windowSize(int& width, int& height) const {
        width = windowWidth_;
        height = windowHeight_;
    }

  private:
    void handle(const SDL_Event& event);
    void apply(Action action);
    void showState();
    void present();

    PaneWindow& window_;
    ViewerState& state_;
    display::RasterCanvas& pane_;
    display::BlockDrawing drawing_;
    display::RasterCanvas helpPage_;
    // The picture as the window shows it (grid, scale); made anew when either changes.
    std::optional<frontend::PanePicture> picture_;
    bool pictureGrid_ = false;
    std::uint64_t drawn_ = 0;
    std::uint64_t skipped_ = 0;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
};

}  // namespace orv::live
