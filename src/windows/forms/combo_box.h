#pragma once

#include <string>
#include <vector>

#include "windows/forms/control.h"

namespace orv::forms {

// A drop-down list with fixed items: the user picks an item and cannot type. Click runs whenever
// the selected index changes.
class ComboBox : public Control {
  public:
    ComboBox(std::string name, Rect bounds, int tabIndex, std::vector<std::string> items)
        : Control(std::move(name), bounds, tabIndex), items_(std::move(items)) {}

    const std::vector<std::string>& items() const { return items_; }
    int listCount() const { return static_cast<int>(items_.size()); }
    int listIndex() const { return listIndex_; }
    // An index outside -1 .. listCount() - 1 is refused, so no stray value can stand in the list.
    void setListIndex(int index) {
        if (index < -1 || index >= listCount()) return;
        assign(listIndex_, index, onClick);
    }

    // Free text the program keeps with the control; changing it raises nothing.
    std::string tag;
    Handler onClick;

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace orv::forms
