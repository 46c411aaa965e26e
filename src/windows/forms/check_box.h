#pragma once

#include "windows/forms/control.h"

namespace orv::forms {

// A check box whose value is 0 (clear) or 1 (ticked). Click runs whenever the value changes,
// whether the user or the program changed it.
class CheckBox : public Control {
  public:
    CheckBox(std::string name, Rect bounds, int tabIndex, int value)
        : Control(std::move(name), bounds, tabIndex), value_(value) {}

    int value() const { return value_; }
    void setValue(int value) { assign(value_, value, onClick); }

    Handler onClick;

  private:
    int value_;
};

}  // namespace orv::forms
