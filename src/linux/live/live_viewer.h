#pragma once

#include <SDL_events.h>

#include <cstdint>
#include <optional>
#include <span>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/pane_picture.h"
#include "engine/drawing/raster_canvas.h"
#include "linux/live/block_queue.h"
#include "linux/live/capture_feed.h"
#include "linux/live/pane_window.h"
#include "linux/live/viewer_state.h"

namespace orv::live {

// The window's thread: sleeps in SDL_WaitEvent until a key, a click or a block arrives, takes in
// every event waiting (up to kEventsAtOnce), brings the window to the state they leave, draws
// every queued block once onto the pane, then shows the pane once.
class LiveViewer {
  public:
    LiveViewer(PaneWindow& window, ViewerState& state, drawing::RasterCanvas& pane,
               const drawing::CustomColours& colours);

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
    // Far more than a hand or a window manager sends between two blocks, taken in far less
    // than a block's 23 ms.
    static constexpr int kEventsAtOnce = 256;

    void handle(const SDL_Event& event);
    // The window follows the state: full screen, on top, title, size.
    void settle();
    void showState();
    void present();

    PaneWindow& window_;
    ViewerState& state_;
    ViewerState shown_;  // what the window shows of the state
    drawing::RasterCanvas& pane_;
    drawing::BlockDrawing drawing_;
    drawing::RasterCanvas helpPage_;
    // The picture as the window shows it (grid, scale); made anew when either changes.
    std::optional<drawing::PanePicture> picture_;
    bool pictureGrid_ = false;
    bool changed_ = false;  // the picture shown is out of date
    bool resized_ = false;  // the window changed size or was uncovered
    std::uint64_t drawn_ = 0;
    std::uint64_t skipped_ = 0;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
};

}  // namespace orv::live
