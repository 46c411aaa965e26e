#pragma once

#include <memory>
#include <string>
#include <vector>

#include "windows/forms/control.h"

namespace orv::forms {

// A menu item, a separator (caption "-") or, with items of its own, a menu.
class MenuItem : public Control {
  public:
    MenuItem(std::string name, std::string caption, bool checked = false)
        : Control(std::move(name), Rect{}), caption_(std::move(caption)), checked_(checked) {}

    const std::string& caption() const { return caption_; }
    bool isSeparator() const { return caption_ == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool checked) { assign(checked_, checked); }

    MenuItem& add(std::string name, std::string caption, bool checked = false) {
        items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), checked));
        return *items_.back();
    }
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    // For a menu whose items change between showings; never from inside an item's handler.
    void removeItems() { items_.clear(); }

    // The user chose the item.
    void click() const {
        if (enabled() && onClick) onClick();
    }
    Handler onClick;

  private:
    std::string caption_;
    bool checked_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace orv::forms
