#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "windows/forms/control.h"
#include "windows/forms/menu.h"
#include "windows/forms/picture_box.h"

namespace orv::forms {

class Form;

// The native window of a form. Everything here is a request from the program; what the user does
// to the window comes back through the form's own methods.
class FormPeer {
  public:
    virtual ~FormPeer() = default;
    virtual void stateChanged(const Form& form) = 0;  // caption, picture, visibility
    virtual void controlAdded(Control& control) = 0;
    virtual void minimize() = 0;
    virtual void moveBy(float dx, float dy) = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual void popupMenu(const MenuItem& menu, float x, float y, const MenuItem* defaultItem) = 0;
    // The colour of a pixel of the window's own image, client coordinates.
    virtual Colour pixel(int x, int y) = 0;
};

// Builds and tears down the native side of forms.
class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual void createPeers(Form& form) = 0;
    virtual void destroyPeers(Form& form) = 0;
};

enum class BorderStyle {
    None,         // no frame and no title bar; a taskbar button
    FixedDialog,  // dialog frame with a close box, no minimise or maximise box, no taskbar button
};

// A window with named controls. Loading runs Load once; closing asks QueryUnload first.
class Form {
  public:
    Form(std::string name, int clientWidth, int clientHeight, BorderStyle border, FormHost* host)
        : name_(std::move(name)),
          clientWidth_(clientWidth),
          clientHeight_(clientHeight),
          border_(border),
          host_(host) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    BorderStyle borderStyle() const { return border_; }
    const std::vector<Control*>& controls() const { return controls_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const ImageRef& picture() const { return picture_; }
    void setPicture(ImageRef picture);

    bool loaded() const { return loaded_; }
    // Creates the hidden window and runs Load, once; later calls do nothing.
    void load();
    // Tears the window down; the object stays, ready to be loaded afresh.
    void unload();
    bool visible() const { return visible_; }
    void show();
    void hide();
    // The user or the program asks the window to close.
    void close();

    // Requests to the native window; without one they do nothing.
    void minimize() const;
    void moveBy(float dx, float dy) const;
    void setTopmost(bool topmost) const;
    void popupMenu(const MenuItem& menu, float x, float y, const MenuItem* defaultItem) const;
    Colour pixel(int x, int y) const;

    void attach(FormPeer* peer) { peer_ = peer; }
    FormPeer* peer() const { return peer_; }

    // The user's mouse on the window's face (not on a child control).
    void mouseDown(MouseButton button, int shift, float x, float y) const;
    void mouseMove(MouseButton button, int shift, float x, float y) const;
    void mouseUp(MouseButton button, int shift, float x, float y) const;
    void dblClick() const;

    Handler onLoad;
    Handler onQueryUnload;  // when absent, closing simply unloads
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    Handler onDblClick;

  protected:
    // Registers a control of the form, in creation order.
    void add(Control& control) { controls_.push_back(&control); }
    // A control created while the form is loaded (a new element of a control array).
    void addLoaded(Control& control);

  private:
    std::string name_;
    int clientWidth_;
    int clientHeight_;
    BorderStyle border_;
    FormHost* host_;
    std::vector<Control*> controls_;
    std::string caption_;
    ImageRef picture_;
    bool loaded_ = false;
    bool visible_ = false;
    FormPeer* peer_ = nullptr;
};

}  // namespace orv::forms
