#pragma once

#include <string>

#include "engine/pixels/colour.h"
#include "engine/pixels/raster_view.h"
#include "windows/forms/control.h"

namespace orv::forms {

// Where a picture comes from: a numbered bitmap resource of the program, or a bitmap file that
// stands in for that resource. A file that cannot be loaded falls back to the resource.
struct ImageRef {
    int resourceId = 0;  // 0: no picture
    std::string file;    // empty: the resource itself
    bool operator==(const ImageRef&) const = default;
};

using pixels::Colour;
// A drawn picture a picture box shows.
using pixels::RasterSource;
using pixels::RasterView;

// A picture box: shows a picture or a background colour, and serves as a bitmap button.
class PictureBox : public Control {
  public:
    PictureBox(std::string name, Rect bounds, int tabIndex, Colour backColour = 0)
        : Control(std::move(name), bounds, tabIndex), backColour_(backColour) {}

    const ImageRef& picture() const { return picture_; }
    // Pictures are loaded anew every time they are set, so this always tells the peer.
    void setPicture(ImageRef picture) {
        picture_ = std::move(picture);
        notifyPeer();
    }
    // A drawn picture shown instead of a loaded one; refresh() shows its latest state.
    const RasterSource* drawing() const { return drawing_; }
    void setDrawing(const RasterSource* drawing) { drawing_ = drawing; }
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour) { assign(backColour_, colour); }

    // The user's mouse actions; a disabled box gets none.
    void mouseDown(MouseButton button, int shift, float x, float y) const {
        if (enabled() && onMouseDown) onMouseDown(button, shift, x, y);
    }
    void mouseUp(MouseButton button, int shift, float x, float y) const {
        if (enabled() && onMouseUp) onMouseUp(button, shift, x, y);
    }
    void click() const {
        if (enabled() && onClick) onClick();
    }

    Handler onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;

  private:
    ImageRef picture_;
    const RasterSource* drawing_ = nullptr;
    Colour backColour_;
};

// A line object drawn over a picture box; shown and hidden, never clicked.
class Line : public Control {
  public:
    struct Ends {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool operator==(const Ends&) const = default;
    };
    Line(std::string name, Ends ends, Colour colour, bool visible)
        : Control(std::move(name), Rect{}), ends_(ends), colour_(colour) {
        setVisible(visible);
    }

    const Ends& ends() const { return ends_; }
    void setEnds(Ends ends) { assign(ends_, ends); }
    Colour colour() const { return colour_; }

  private:
    Ends ends_;
    Colour colour_;
};

}  // namespace orv::forms
