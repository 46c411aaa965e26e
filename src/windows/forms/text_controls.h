#pragma once

#include <string>

#include "windows/forms/control.h"

namespace orv::forms {

// A label, a frame or a command button: a control with a caption.
class CaptionedControl : public Control {
  public:
    CaptionedControl(std::string name, Rect bounds, int tabIndex, std::string caption)
        : Control(std::move(name), bounds, tabIndex), caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { assign(caption_, std::move(caption)); }

  private:
    std::string caption_;
};

using Label = CaptionedControl;
using Frame = CaptionedControl;

class Button : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    // The user pressed and released the button.
    void click() const {
        if (enabled() && onClick) onClick();
    }
    Handler onClick;
};

// A one-line text box. A locked box shows its text but takes no typing.
class TextBox : public Control {
  public:
    TextBox(std::string name, Rect bounds, int tabIndex, bool locked)
        : Control(std::move(name), bounds, tabIndex), locked_(locked) {}

    const std::string& text() const { return text_; }
    void setText(std::string text) { assign(text_, std::move(text)); }
    bool locked() const { return locked_; }

  private:
    std::string text_;
    bool locked_;
};

}  // namespace orv::forms
