#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace orv::forms {

// Position and size in client pixels of the parent.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum class MouseButton : std::int16_t { None = 0, Left = 1, Right = 2, Middle = 4 };

using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton button, int shift, float x, float y)>;

class Control;

// Mirrors a control's state onto its native counterpart. It is told after every change and
// never raises a handler itself: a user's action comes back through the control's setters.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void stateChanged(const Control& control) = 0;
    // Shows the control's current look again, its state unchanged (a drawn picture after each
    // block, say). By default the whole state is mirrored again.
    virtual void redraw(const Control& control) { stateChanged(control); }
};

// A control owns its state and its handlers. Setting a value by program raises the same handler
// as the user's action when the value changes, and nothing when it does not; every setter goes
// through assign() so that the rule lives here only.
class Control {
  public:
    Control(std::string name, Rect bounds, int tabIndex = -1)
        : name_(std::move(name)), bounds_(bounds), tabIndex_(tabIndex) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds) { assign(bounds_, bounds); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(enabled_, enabled); }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    int tabIndex() const { return tabIndex_; }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text) { assign(toolTip_, std::move(text)); }

    // Asks the native side to show the control's current look again (a new picture, say).
    void refresh() const {
        if (peer_ != nullptr) peer_->redraw(*this);
    }

    // The control that contains this one (a frame or a picture box); bounds are relative to it.
    Control* container() const { return container_; }
    void setContainer(Control* container) { container_ = container; }

    void attach(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* peer() const { return peer_; }

  protected:
    // Stores a new value, tells the peer and raises the handler; does nothing when the value
    // is unchanged. Returns whether it changed.
    template <typename T, typename U>
    bool assign(T& field, U&& value, const Handler& handler = {}) {
        if (field == value) return false;
        field = std::forward<U>(value);
        notifyPeer();
        if (handler) handler();
        return true;
    }
    void notifyPeer() const {
        if (peer_ != nullptr) peer_->stateChanged(*this);
    }

  private:
    std::string name_;
    Rect bounds_;
    int tabIndex_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
    Control* container_ = nullptr;
    ControlPeer* peer_ = nullptr;
};

}  // namespace orv::forms
