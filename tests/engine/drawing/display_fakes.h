#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/canvas.h"

namespace orv::testing {

// Settings a test changes while a block is drawn; the drawing sees each change at once.
struct LiveSettings : drawing::DrawSettingsSource {
    drawing::DrawSettings now;
    drawing::DrawSettings drawSettings() const override { return now; }
};

// One drawing operation with its ends resolved, as the pane was asked to draw it.
struct Stroke {
    enum class Kind { Clear, Line, Box, FilledBox, Point, Circle, Text };
    Kind kind = Kind::Clear;
    drawing::PanePoint from;
    drawing::PanePoint to;  // lines and boxes only
    float radius = 0;
    drawing::Colour colour = 0;
    std::string text;
    int width = 1;
    bool operator==(const Stroke&) const = default;
};

// A pane that keeps a list of what it was asked to draw.
class RecordingCanvas : public drawing::Canvas {
  public:
    static constexpr float kLineHeight = 15;

    std::vector<Stroke> strokes;
    // Runs after every stroke, to change things between the samples of a block.
    std::function<void()> afterStroke;

    // The strokes that are not clears.
    std::vector<Stroke> drawn() const {
        std::vector<Stroke> out;
        for (const Stroke& s : strokes) {
            if (s.kind != Stroke::Kind::Clear) out.push_back(s);
        }
        return out;
    }

  protected:
    using Kind = Stroke::Kind;
    void fill(drawing::Colour colour) override {
        add({Kind::Clear, {}, {}, 0, colour, {}, drawWidth()});
    }
    void drawLine(drawing::PanePoint from, drawing::PanePoint to, drawing::Colour colour) override {
        add({Kind::Line, from, to, 0, colour, {}, drawWidth()});
    }
    void drawBox(drawing::PanePoint from, drawing::PanePoint to, drawing::Colour colour) override {
        add({Kind::Box, from, to, 0, colour, {}, drawWidth()});
    }
    void fillBox(drawing::PanePoint from, drawing::PanePoint to, drawing::Colour colour) override {
        add({Kind::FilledBox, from, to, 0, colour, {}, drawWidth()});
    }
    void drawPoint(drawing::PanePoint at, drawing::Colour colour) override {
        add({Kind::Point, at, {}, 0, colour, {}, drawWidth()});
    }
    void drawCircle(drawing::PanePoint centre, float radius, drawing::Colour colour) override {
        add({Kind::Circle, centre, {}, radius, colour, {}, drawWidth()});
    }
    void drawText(drawing::PanePoint topLeft, std::string_view text,
                  drawing::Colour colour) override {
        add({Kind::Text, topLeft, {}, 0, colour, std::string(text), drawWidth()});
    }
    float textHeight() const override { return kLineHeight; }

  private:
    void add(Stroke stroke) {
        strokes.push_back(std::move(stroke));
        if (afterStroke) afterStroke();
    }
};

// Shorthands for expected strokes, all with the pen width 1.
inline Stroke line(float x1, float y1, float x2, float y2, drawing::Colour c) {
    return {Stroke::Kind::Line, {x1, y1}, {x2, y2}, 0, c, {}, 1};
}
inline Stroke box(float x1, float y1, float x2, float y2, drawing::Colour c) {
    return {Stroke::Kind::Box, {x1, y1}, {x2, y2}, 0, c, {}, 1};
}
inline Stroke filledBox(float x1, float y1, float x2, float y2, drawing::Colour c) {
    return {Stroke::Kind::FilledBox, {x1, y1}, {x2, y2}, 0, c, {}, 1};
}
inline Stroke point(float x, float y, drawing::Colour c) {
    return {Stroke::Kind::Point, {x, y}, {}, 0, c, {}, 1};
}
inline Stroke circle(float x, float y, float r, drawing::Colour c) {
    return {Stroke::Kind::Circle, {x, y}, {}, r, c, {}, 1};
}
inline Stroke text(float x, float y, std::string s, drawing::Colour c) {
    return {Stroke::Kind::Text, {x, y}, {}, 0, c, std::move(s), 1};
}

}  // namespace orv::testing
