#include "linux/live/pane_window.h"

#include <SDL.h>

#include "linux/live/sound_server.h"

namespace orv::live {

PaneWindow::PaneWindow(int width, int height, int paneWidth, int paneHeight)
    : paneWidth_(paneWidth), paneHeight_(paneHeight) {
    // The window surface goes to X as shared memory; SDL's default, a GPU texture, costs far more
    // where OpenGL is done in software (and loads it). SDL_FRAMEBUFFER_ACCELERATION overrides.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Ctrl+C and SIGTERM arrive as a quit event, so the settings are saved on the way out.
    // With no display SDL falls back to drivers that show nothing (and wait by spinning).
    const bool started = SDL_Init(SDL_INIT_VIDEO) == 0;
    const std::string driver = started ? SDL_GetCurrentVideoDriver() : "";
    if (!started || driver == "offscreen" || driver == "dummy") {
        const std::string reason = started ? "no display" : SDL_GetError();
        SDL_Quit();
        throw LiveError("cannot open a window (" + reason +
                        "); run it in a desktop session, or set DISPLAY or WAYLAND_DISPLAY");
    }
    // A size saved on a larger desktop (or typed by hand) must not make a window off the
    // screen whose surface alone takes gigabytes.
    SDL_Rect usable{0, 0, width, height};  // the size asked for, where SDL knows no display size
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        SDL_GetDisplayBounds(0, &usable);
    }
    usable_ = {usable.w, usable.h};
    const WindowSize bounded = boundedWindowSize({width, height}, usable_);
    sizeWasBounded_ = bounded != WindowSize{width, height};
    window_ = SDL_CreateWindow("Orvanta 2", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               bounded.width, bounded.height, SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) {
        const std::string reason = SDL_GetError();
        SDL_Quit();
        throw LiveError("cannot open a window: " + reason);
    }
    SDL_SetWindowMaximumSize(window_, usable.w, usable.h);
    windowed_ = bounded;
    resized();
}

PaneWindow::~PaneWindow() {
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

void PaneWindow::setTitle(const std::string& title) {
    SDL_SetWindowTitle(window_, title.c_str());
}

void PaneWindow::setOnTop(bool onTop) {
    SDL_SetWindowAlwaysOnTop(window_, onTop ? SDL_TRUE : SDL_FALSE);
}

void PaneWindow::setFullScreen(bool fullScreen) {
    if (fullScreen) {
        size(windowed_.width, windowed_.height);
    }
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    // Without a window manager SDL goes on taking the window for the screen's size after it
    // is given back; asking for the size it had puts SDL and the window in step again.
    if (!fullScreen) {
        SDL_SetWindowSize(window_, windowed_.width, windowed_.height);
    }
}

bool PaneWindow::fullScreen() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void PaneWindow::size(int& width, int& height) const {
    SDL_GetWindowSize(window_, &width, &height);
}

void PaneWindow::resized() {
    // The maximum size is only a hint: without a window manager, or with one that ignores it, a
    // program or a drag makes the window larger than the screen, whose surface then takes
    // memory for nothing to see. The window is given back the size it may have.
    if (!fullScreen()) {
        int width = 0;
        int height = 0;
        size(width, height);
        const WindowSize bounded = boundedWindowSize({width, height}, usable_);
        if (bounded != WindowSize{width, height}) {
            SDL_SetWindowSize(window_, bounded.width, bounded.height);
        }
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) {
        return;
    }
    placement_ = PanePlacement::fit(surface->w, surface->h, paneWidth_, paneHeight_);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_UpdateWindowSurface(window_);
}

void PaneWindow::show(std::span<const std::uint32_t> picture) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) {
        return;
    }
    const SDL_Rect all{0, 0, surface->w, surface->h};
    const SDL_Rect pane{placement_.x, placement_.y, placement_.width, placement_.height};
    SDL_Rect visible{};
    if (SDL_IntersectRect(&all, &pane, &visible) == SDL_FALSE) {
        return;
    }
    // Copied row by row into the window's pixels, converted if the display's format differs.
    const std::uint32_t* from = picture.data() +
                                static_cast<std::ptrdiff_t>(visible.y - pane.y) * pane.w +
                                (visible.x - pane.x);
    auto* to = static_cast<std::uint8_t*>(surface->pixels) +
               static_cast<std::ptrdiff_t>(visible.y) * surface->pitch +
               static_cast<std::ptrdiff_t>(visible.x) * surface->format->BytesPerPixel;
    SDL_ConvertPixels(visible.w, visible.h, SDL_PIXELFORMAT_RGB888, from, pane.w * 4,
                      surface->format->format, to, surface->pitch);
    SDL_UpdateWindowSurfaceRects(window_, &visible, 1);
}

}  // namespace orv::live
