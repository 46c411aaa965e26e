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
    present();
    drawing::Block block{};
    SDL_Event event;
    while (!state_.quit && SDL_WaitEvent(&event) == 1) {
        do {
            if (event.type != blockEvent) {
                handle(event);
            }
        } while (SDL_PollEvent(&event) == 1);
        // Read first: whatever came before the end is queued by then, and gets drawn.
        const bool ended = feed.ended();
        bool drew = false;
        while (queue.pop(block)) {
            if (state_.paused) {
                ++skipped_;
                continue;
            }
            drawing_.draw(block, state_.draw);
            ++drawn_;
            drew = true;
        }
        if (drew) {
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
                apply(*action);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (window_.placement().contains(event.button.x, event.button.y)) {
                if (const auto action = actionForButton(event.button.button)) {
                    apply(*action);
                }
            }
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                window_.resized();
                if (!window_.fullScreen()) {
                    window_.size(windowWidth_, windowHeight_);
                }
                present();
            }
            break;
        default:
            break;
    }
}

void LiveViewer::apply(Action action) {
    const ViewerState before = state_;
    state_.apply(action);
    if (state_.fullScreen != before.fullScreen) {
        window_.setFullScreen(state_.fullScreen);
    }
    if (state_.onTop != before.onTop) {
        window_.setOnTop(state_.onTop);
    }
    showState();
    // Help, grid and a pause change the picture at once; the drawing options from the next block.
    present();
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
}

}  // namespace orv::live
