// Peers of the standard controls: check box, drop-down list, list box, text box, label, frame and
// command button. Each mirrors its control's state and turns the control's notifications into
// the control's own setters.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "windows/forms/check_box.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/list_box.h"
#include "windows/forms/menu.h"
#include "windows/forms/text_controls.h"
#include "windows/win32/child_peer.h"
#include "windows/win32/picture_peer.h"
#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void mirrorText(HWND window, const std::string& text) {
    const std::wstring wanted = widen(text);
    if (windowText(window) != wanted) SetWindowTextW(window, wanted.c_str());
}

class CheckPeer final : public ChildPeer {
  public:
    CheckPeer(forms::CheckBox& box, const PeerSite& site) : ChildPeer(box, site), box_(box) {
        // Not an automatic box: the model decides the value and the box only shows it.
        create(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, {});
    }
    void command(unsigned code) override {
        if (code == BN_CLICKED && !mirroring()) box_.setValue(box_.value() != 0 ? 0 : 1);
    }

  private:
    void mirror() override {
        const WPARAM state = box_.value() == 1 ? BST_CHECKED : BST_UNCHECKED;
        if (SendMessageW(hwnd(), BM_GETCHECK, 0, 0) != static_cast<LRESULT>(state)) {
            SendMessageW(hwnd(), BM_SETCHECK, state, 0);
        }
    }
    forms::CheckBox& box_;
};

// Keeps the items and the selection shown by a list control (a list box or a combo box, told
// apart by their messages) in step with the model, rebuilding the items on a change.
class ListMirror {
  public:
    struct Messages {
        UINT reset;
        UINT add;
        UINT getSelection;
        UINT setSelection;
    };
    explicit ListMirror(Messages messages) : messages_(messages) {}

    void update(HWND window, const std::vector<std::string>& items, int index) {
        if (items != shown_) {
            SendMessageW(window, messages_.reset, 0, 0);
            for (const std::string& item : items) {
                SendMessageW(window, messages_.add, 0,
                             reinterpret_cast<LPARAM>(widen(item).c_str()));
            }
            shown_ = items;
        }
        if (selected(window) != index) {
            SendMessageW(window, messages_.setSelection, static_cast<WPARAM>(index), 0);
        }
    }
    int selected(HWND window) const {
        return static_cast<int>(SendMessageW(window, messages_.getSelection, 0, 0));
    }

  private:
    Messages messages_;
    std::vector<std::string> shown_;
};

class ComboPeer final : public ChildPeer {
  public:
    static constexpr int kVisibleItems = 12;

    ComboPeer(forms::ComboBox& combo, const PeerSite& site)
        : ChildPeer(combo, site), combo_(combo) {
        create(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, {});
        // The selection field keeps the control's height; the drop-down list hangs below it.
        const int field = combo.bounds().height - 6;
        if (field > 0) SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        itemHeight_ = static_cast<int>(SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0));
    }
    void command(unsigned code) override {
        if (code != CBN_SELCHANGE || mirroring()) return;
        combo_.setListIndex(items_.selected(hwnd()));
    }

  private:
    forms::Rect nativeBounds() const override {
        forms::Rect rect = placeInForm(combo_);
        const int rows = std::clamp(combo_.listCount(), 1, kVisibleItems);
        rect.height += rows * (itemHeight_ > 0 ? itemHeight_ : 16) + 2;
        return rect;
    }
    void mirror() override { items_.update(hwnd(), combo_.items(), combo_.listIndex()); }
    forms::ComboBox& combo_;
    ListMirror items_{{CB_RESETCONTENT, CB_ADDSTRING, CB_GETCURSEL, CB_SETCURSEL}};
    int itemHeight_ = 0;
};

class ListPeer final : public ChildPeer {
  public:
    ListPeer(forms::ListBox& list, const PeerSite& site) : ChildPeer(list, site), list_(list) {
        create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
               WS_EX_CLIENTEDGE, {});
    }
    void command(unsigned code) override {
        if (code != LBN_SELCHANGE || mirroring()) return;
        list_.setListIndex(items_.selected(hwnd()));
    }

  private:
    void mirror() override { items_.update(hwnd(), list_.items(), list_.listIndex()); }
    forms::ListBox& list_;
    ListMirror items_{{LB_RESETCONTENT, LB_ADDSTRING, LB_GETCURSEL, LB_SETCURSEL}};
};

class EditPeer final : public ChildPeer {
  public:
    EditPeer(forms::TextBox& box, const PeerSite& site) : ChildPeer(box, site), box_(box) {
        create(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | (box.locked() ? ES_READONLY : 0),
               WS_EX_CLIENTEDGE, box.text());
    }
    void command(unsigned code) override {
        if (code == EN_CHANGE && !mirroring()) box_.setText(narrow(windowText(hwnd())));
    }

  private:
    void mirror() override { mirrorText(hwnd(), box_.text()); }
    forms::TextBox& box_;
};

// A label, a frame or a command button.
class CaptionPeer final : public ChildPeer {
  public:
    enum class Kind { Label, Frame, Button };

    CaptionPeer(forms::CaptionedControl& control, Kind kind, const PeerSite& site)
        : ChildPeer(control, site), control_(control), kind_(kind) {
        switch (kind) {
            case Kind::Label:
                create(L"STATIC", SS_LEFT, 0, control.caption());
                break;
            case Kind::Frame:
                create(L"BUTTON", BS_GROUPBOX, 0, control.caption());
                break;
            case Kind::Button:
                create(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, control.caption());
                break;
        }
    }
    void command(unsigned code) override {
        if (kind_ != Kind::Button || code != BN_CLICKED || mirroring()) return;
        static_cast<forms::Button&>(control_).click();
    }

  private:
    void mirror() override { mirrorText(hwnd(), control_.caption()); }
    forms::CaptionedControl& control_;
    Kind kind_;
};

// Labels and frames share one type; a frame is the one that contains other controls (or, by
// the naming rule of the forms, carries the "fra" prefix).
bool isFrame(const forms::Control& control, const forms::Form& form) {
    if (control.name().rfind("fra", 0) == 0) return true;
    return std::any_of(form.controls().begin(), form.controls().end(),
                       [&](const forms::Control* other) { return other->container() == &control; });
}

}  // namespace

std::unique_ptr<forms::ControlPeer> makeControlPeer(forms::Control& control, const PeerSite& site) {
    if (auto* box = dynamic_cast<forms::CheckBox*>(&control)) {
        return std::make_unique<CheckPeer>(*box, site);
    }
    if (auto* combo = dynamic_cast<forms::ComboBox*>(&control)) {
        return std::make_unique<ComboPeer>(*combo, site);
    }
    if (auto* list = dynamic_cast<forms::ListBox*>(&control)) {
        return std::make_unique<ListPeer>(*list, site);
    }
    if (auto* text = dynamic_cast<forms::TextBox*>(&control)) {
        return std::make_unique<EditPeer>(*text, site);
    }
    if (auto* button = dynamic_cast<forms::Button*>(&control)) {
        return std::make_unique<CaptionPeer>(*button, CaptionPeer::Kind::Button, site);
    }
    if (auto* captioned = dynamic_cast<forms::CaptionedControl*>(&control)) {
        const auto kind =
            isFrame(control, site.form) ? CaptionPeer::Kind::Frame : CaptionPeer::Kind::Label;
        return std::make_unique<CaptionPeer>(*captioned, kind, site);
    }
    if (auto* picture = dynamic_cast<forms::PictureBox*>(&control)) {
        return std::make_unique<PicturePeer>(*picture, site);
    }
    if (auto* line = dynamic_cast<forms::Line*>(&control)) {
        return std::make_unique<LinePeer>(*line);
    }
    return nullptr;  // menu items are built when a menu pops up
}

}  // namespace orv::win32
