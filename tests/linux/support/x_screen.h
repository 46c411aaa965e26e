#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace orv::testing {

// The test display, read back from the X server.
class XScreen {
  public:
    using WindowId = unsigned long;
    struct Image {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;  // rows top-down, 0x00RRGGBB
        std::uint32_t at(int x, int y) const {
            return pixels[static_cast<std::size_t>(y) * width + x];
        }
    };

    XScreen();  // the display of $DISPLAY
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    // The shown top-level window of process PID; 0 while it has none.
    WindowId windowOf(pid_t pid);
    // Its _NET_WM_NAME (UTF-8).
    std::string title(WindowId window);
    // What the window shows now; empty when it cannot be read (not shown yet).
    Image image(WindowId window);

  private:
    _XDisplay* display_;
};

}  // namespace orv::testing
