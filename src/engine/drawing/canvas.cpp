#include "engine/drawing/canvas.h"

#include <algorithm>

namespace orv::drawing {

void Canvas::cls() {
    fill(backColour_);
    current_ = {};
}

void Canvas::line(float x1, float y1, float x2, float y2, Colour colour) {
    current_ = {x2, y2};
    drawLine({x1, y1}, current_, colour);
}

void Canvas::lineTo(float x2, float y2, Colour colour) {
    line(current_.x, current_.y, x2, y2, colour);
}

void Canvas::box(float x1, float y1, float x2, float y2, Colour colour) {
    current_ = {x2, y2};
    drawBox({x1, y1}, current_, colour);
}

void Canvas::boxTo(float x2, float y2, Colour colour) {
    box(current_.x, current_.y, x2, y2, colour);
}

void Canvas::filledBox(float x1, float y1, float x2, float y2, Colour colour) {
    current_ = {x2, y2};
    fillBox({x1, y1}, current_, colour);
}

void Canvas::point(float x, float y, Colour colour) {
    current_ = {x, y};
    drawPoint(current_, colour);
}

void Canvas::circle(float x, float y, float radius, Colour colour) {
    current_ = {x, y};
    drawCircle(current_, radius, colour);
}

void Canvas::print(std::string_view text) {
    drawText(current_, text, foreColour_);
    current_ = {0, current_.y + textHeight()};
}

void Canvas::setBackColour(Colour colour) {
    backColour_ = colour;
    cls();
}

void Canvas::setDrawWidth(int width) {
    drawWidth_ = std::clamp(width, kMinDrawWidth, kMaxDrawWidth);
}

}  // namespace orv::drawing
