#include "windows/forms/form.h"

namespace orv::forms {

void Form::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    if (peer_ != nullptr) peer_->stateChanged(*this);
}

void Form::setPicture(ImageRef picture) {
    picture_ = std::move(picture);
    if (peer_ != nullptr) peer_->stateChanged(*this);
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    if (host_ != nullptr) host_->createPeers(*this);
    if (onLoad) onLoad();
}

void Form::unload() {
    if (!loaded_) return;
    loaded_ = false;
    visible_ = false;
    if (host_ != nullptr) host_->destroyPeers(*this);
}

void Form::show() {
    load();
    if (visible_) return;
    visible_ = true;
    if (peer_ != nullptr) peer_->stateChanged(*this);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    if (peer_ != nullptr) peer_->stateChanged(*this);
}

void Form::close() {
    if (onQueryUnload) {
        onQueryUnload();
    } else {
        unload();
    }
}

void Form::minimize() const {
    if (peer_ != nullptr) peer_->minimize();
}

void Form::moveBy(float dx, float dy) const {
    if (peer_ != nullptr) peer_->moveBy(dx, dy);
}

void Form::setTopmost(bool topmost) const {
    if (peer_ != nullptr) peer_->setTopmost(topmost);
}

void Form::popupMenu(const MenuItem& menu, float x, float y, const MenuItem* defaultItem) const {
    if (peer_ != nullptr) peer_->popupMenu(menu, x, y, defaultItem);
}

Colour Form::pixel(int x, int y) const {
    return peer_ != nullptr ? peer_->pixel(x, y) : 0;
}

void Form::mouseDown(MouseButton button, int shift, float x, float y) const {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void Form::mouseMove(MouseButton button, int shift, float x, float y) const {
    if (onMouseMove) onMouseMove(button, shift, x, y);
}

void Form::mouseUp(MouseButton button, int shift, float x, float y) const {
    if (onMouseUp) onMouseUp(button, shift, x, y);
}

void Form::dblClick() const {
    if (onDblClick) onDblClick();
}

void Form::addLoaded(Control& control) {
    add(control);
    if (peer_ != nullptr) peer_->controlAdded(control);
}

}  // namespace orv::forms
