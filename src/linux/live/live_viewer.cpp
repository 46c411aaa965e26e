#include "linux/live/live_viewer.h"

#include <SDL.h>

#include <string>

#include "engine/drawing/style_names.h"
#include "linux/live/key_bindings.h"

namespace orv::live {

namespace {

constexpr drawing::Colour kHelpText = 0xFFFFFF;

void writeHelp(drawing::RasterCanvas& page) {
    page.setBackColour(0);
    page.setForeColour(kHelpText);
    page.print("");
    for (const std::string& line : helpLines()) {
        page.print(" " + line);
    }
}

}  // namespace

LiveViewer::LiveViewer(PaneWindow& window, ViewerState& state, drawing::RasterCanvas& pane,
                       const drawing::CustomColours& colours)
    : window_(window),
      state_(state),
      pane_(pane),
      drawing_(pane, colours),
      helpPage_(pane.width(), pane.height()) {
    writeHelp(helpPage_);
    window_.size(windowWidth_, windowHeight_);
}

void LiveViewer::run(BlockQueue& queue, const CaptureFeed& feed, std::uint32_t blockEvent) {
    showState();
    shown_ = state_;
    present();
    drawing::Block block{};
    SDL_Event event;
    while (!state_.quit && SDL_WaitEvent(&event) == 1) {
        // A burst of keys, clicks or sizes is taken in whole and shown once, so a storm of them
        // costs one picture; a bounded number at a time, so the blocks are never kept waiting.
        int taken = 0;
        do {
            if (event.type != blockEvent) {
                handle(event);
            }
        } while (++taken < kEventsAtOnce && SDL_PollEvent(&event) == 1);
        settle();
        // Read first: whatever came before the end is queued by then, and gets drawn.
        const bool ended = feed.ended();
        while (queue.pop(block)) {
            if (state_.paused) {
                ++skipped_;
                continue;
            }
            drawing_.draw(block, state_.draw);
            ++drawn_;
            changed_ = true;
        }
        if (changed_) {
            present();
        }
        if (ended) {
            return;
        }
    }
}

void LiveViewer::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            state_.quit = true;
            break;
        case SDL_KEYDOWN:
            if (const auto action = actionForKey(event.key.keysym.sym)) {
                state_.apply(*action);
                changed_ = true;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (window_.placement().contains(event.button.x, event.button.y)) {
                if (const auto action = actionForButton(event.button.button)) {
                    state_.apply(*action);
                    changed_ = true;
                }
            }
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                resized_ = true;
            }
            break;
        default:
            break;
    }
}

void LiveViewer::settle() {
    // Full screen and on top cost the window manager a round trip each: only the last of many
    // presses is passed on.
    if (state_.fullScreen != shown_.fullScreen) {
        window_.setFullScreen(state_.fullScreen);
        resized_ = true;
    }
    if (state_.onTop != shown_.onTop) {
        window_.setOnTop(state_.onTop);
    }
    if (state_.draw.style != shown_.draw.style || state_.draw.scheme != shown_.draw.scheme ||
        state_.paused != shown_.paused) {
        showState();
    }
    shown_ = state_;
    if (resized_) {
        window_.resized();
        if (!window_.fullScreen()) {
            window_.size(windowWidth_, windowHeight_);
        }
        resized_ = false;
        changed_ = true;
    }
}

void LiveViewer::showState() {
    const auto styles = drawing::styleNames();
    const auto schemes = drawing::schemeNames();
    std::string title = "Orvanta 2 — " + std::string(styles[state_.draw.style]) + " — " +
                        std::string(schemes[state_.draw.scheme]);
    if (state_.paused) {
        title += " — paused";
    }
    window_.setTitle(title);
}

void LiveViewer::present() {
    const int scale = window_.placement().scale;
    const bool grid = state_.grid && !state_.help;
    if (!picture_ || picture_->width() != pane_.width() * scale || pictureGrid_ != grid) {
        picture_.emplace(pane_.width(), pane_.height(), scale, grid);
        pictureGrid_ = grid;
    }
    window_.show(picture_->compose(state_.help ? helpPage_.pixels() : pane_.pixels()));
    changed_ = false;
}

}  // namespace orv::live
