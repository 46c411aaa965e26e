#pragma once

namespace orv::live {

// Where the pane sits in the window: scaled by the largest whole number that fits (at least
// 1), centred; a window smaller than the pane shows its middle.
struct PanePlacement {
    int x = 0;
    int y = 0;
    int scale = 1;
    int width = 0;  // of the scaled pane
    int height = 0;

    static PanePlacement fit(int windowWidth, int windowHeight, int paneWidth, int paneHeight);
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// The size to open the window at: the wanted size held inside the display's usable area. A
// window smaller than the pane stays allowed: it shows the pane's middle.
WindowSize boundedWindowSize(WindowSize wanted, WindowSize usable);

}  // namespace orv::live
