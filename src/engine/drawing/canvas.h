#pragma once

#include <string_view>

#include "engine/pixels/colour.h"

namespace orv::drawing {

using pixels::Colour;

// A point of the pane in pixels, origin top-left, y growing downward. Coordinates stay in single
// precision until the pane turns them into pixels.
struct PanePoint {
    float x = 0;
    float y = 0;
    bool operator==(const PanePoint&) const = default;
};

// The pane the renderer draws on: the few operations of a picture box that drawing a block uses.
// The pen position (the current point), the colours and the pen width are kept here, so every
// kind of pane moves the pen the same way; a pane only says how a stroke with known ends is
// drawn.
class Canvas {
  public:
    static constexpr int kMinDrawWidth = 1;
    static constexpr int kMaxDrawWidth = 4;
    static constexpr Colour kStartForeColour = 0x008000;  // (0, 128, 0)

    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Fills the pane with the background colour; the pen goes to (0, 0).
    void cls();
    // The pen ends at the far end of a line: (x2, y2).
    void line(float x1, float y1, float x2, float y2, Colour colour);
    void lineTo(float x2, float y2, Colour colour);
    // The edges of the rectangle with opposite corners (x1, y1) and (x2, y2); the pen ends at
    // (x2, y2). The inside is left as it was.
    void box(float x1, float y1, float x2, float y2, Colour colour);
    void boxTo(float x2, float y2, Colour colour);
    // The same rectangle painted wholly; the pen ends at (x2, y2).
    void filledBox(float x1, float y1, float x2, float y2, Colour colour);
    // A dot as wide as the pen; the pen ends on it.
    void point(float x, float y, Colour colour);
    void point(float x, float y) { point(x, y, foreColour_); }
    // The outline only; the pen ends at the centre.
    void circle(float x, float y, float radius, Colour colour);
    // Text in the foreground colour with its top-left corner at the pen. Afterwards the pen is
    // at the left edge, one text line lower, where a picture box leaves it after printing a line.
    void print(std::string_view text);

    Colour foreColour() const { return foreColour_; }
    void setForeColour(Colour colour) { foreColour_ = colour; }
    Colour backColour() const { return backColour_; }
    // A new background clears the pane to it at once, as a picture box does.
    void setBackColour(Colour colour);
    int drawWidth() const { return drawWidth_; }
    // Widths outside 1..4 are brought to the nearest of them.
    void setDrawWidth(int width);
    PanePoint currentPoint() const { return current_; }

  protected:
    Canvas() = default;

    // The strokes, with both ends known. The pen width is drawWidth().
    virtual void fill(Colour colour) = 0;
    virtual void drawLine(PanePoint from, PanePoint to, Colour colour) = 0;
    virtual void drawBox(PanePoint from, PanePoint to, Colour colour) = 0;
    virtual void fillBox(PanePoint from, PanePoint to, Colour colour) = 0;
    virtual void drawPoint(PanePoint at, Colour colour) = 0;
    virtual void drawCircle(PanePoint centre, float radius, Colour colour) = 0;
    virtual void drawText(PanePoint topLeft, std::string_view text, Colour colour) = 0;
    // The height of one line of text, which print moves the pen down by.
    virtual float textHeight() const = 0;

  private:
    PanePoint current_;
    Colour foreColour_ = kStartForeColour;
    Colour backColour_ = 0;
    int drawWidth_ = kMinDrawWidth;
};

}  // namespace orv::drawing
