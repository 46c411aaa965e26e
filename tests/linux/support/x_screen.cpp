#include "x_screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace orv::testing {

namespace {

// A window that goes away or is not mapped yet makes requests fail; the tests poll again.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// The bytes of a property, or an empty text.
std::string property(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 4096, False, type,
                           &actualType, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 8) {
            text.assign(reinterpret_cast<const char*>(data), count);
        } else if (format == 32 && count > 0) {
            text = std::to_string(*reinterpret_cast<const unsigned long*>(data));
        }
        XFree(data);
    }
    return text;
}

}  // namespace

XScreen::XScreen() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) {
        throw std::runtime_error("no X display for the test");
    }
    XSetErrorHandler(ignoreErrors);
}

XScreen::~XScreen() {
    XCloseDisplay(display_);
}

XScreen::WindowId XScreen::windowOf(pid_t pid) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    WindowId found = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            XWindowAttributes attributes;
            if (property(display_, children[i], "_NET_WM_PID", XA_CARDINAL) ==
                    std::to_string(pid) &&
                XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
        }
        XFree(children);
    }
    return found;
}

std::string XScreen::title(WindowId window) {
    return property(display_, window, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
}

XScreen::Image XScreen::image(WindowId window) {
    XSync(display_, False);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, window, &attributes) == 0) {
        return {};
    }
    XImage* image =
        XGetImage(display_, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return {};
    }
    Image read{attributes.width, attributes.height, {}};
    read.pixels.reserve(static_cast<std::size_t>(read.width) * read.height);
    for (int y = 0; y < read.height; ++y) {
        for (int x = 0; x < read.width; ++x) {
            read.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return read;
}

}  // namespace orv::testing
