#pragma once

#include <string>
#include <vector>

#include "windows/forms/control.h"

namespace orv::forms {

// A single-choice, unsorted list box. Click runs whenever the selection changes.
class ListBox : public Control {
  public:
    using Control::Control;

    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item) {
        items_.push_back(std::move(item));
        notifyPeer();
    }
    int listIndex() const { return listIndex_; }
    void setListIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items_.size())) return;
        assign(listIndex_, index, onClick);
    }
    // The text of the selected row, empty when none is selected.
    std::string text() const { return listIndex_ < 0 ? std::string{} : items_[listIndex_]; }

    Handler onClick;

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

}  // namespace orv::forms
