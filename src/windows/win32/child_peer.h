#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "windows/forms/control.h"
#include "windows/forms/form.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

class Toolkit;
class Tooltips;

// Where a form's native children live.
struct PeerSite {
    HWND parent;
    const Toolkit& toolkit;
    const forms::Form& form;
    Tooltips& tooltips;
};

// Window properties that tie a native child to its control: the e2e driver finds controls by
// the atom of their name, and the form routes notifications through the peer pointer.
inline constexpr wchar_t kNameProperty[] = L"OrvantaName";
inline constexpr wchar_t kPeerProperty[] = L"OrvantaPeer";

// The native window of one control. It mirrors every state change onto the window and routes
// the user's actions back through the control's setters; while it mirrors, the notifications
// that its own changes cause are ignored.
class ChildPeer : public forms::ControlPeer {
  public:
    ~ChildPeer() override;
    ChildPeer(const ChildPeer&) = delete;
    ChildPeer& operator=(const ChildPeer&) = delete;

    HWND hwnd() const noexcept { return window_.get(); }

    void stateChanged(const forms::Control& control) final;
    // A WM_COMMAND notification from the native control.
    virtual void command(unsigned code) { (void)code; }

    // The peer of a native child, or nothing for a window that is not one.
    static ChildPeer* of(HWND window) noexcept;

  protected:
    ChildPeer(forms::Control& control, const PeerSite& site);

    // Creates the native child at the control's place, hidden until the first mirror.
    void create(const wchar_t* windowClass, DWORD style, DWORD exStyle, std::string_view text,
                void* creationParameter = nullptr);
    // Mirrors what is particular to this kind of control.
    virtual void mirror() = 0;
    // Where the native window goes, in the parent's client pixels.
    virtual forms::Rect nativeBounds() const;
    // The native window is already gone (destroyed with its parent).
    void windowDestroyed() noexcept { window_.release(); }

    bool mirroring() const noexcept { return mirroring_; }
    const PeerSite& context() const noexcept { return site_; }

  private:
    void placeWindow();

    forms::Control& control_;
    PeerSite site_;
    UniqueWindow window_;
    UniqueAtom name_;
    forms::Rect placed_{-1, -1, -1, -1};
    bool mirroring_ = false;
};

// The control's place in the form's client pixels: containers (frames) offset it.
forms::Rect placeInForm(const forms::Control& control);

// A peer for any windowed control, chosen by its type; nothing for those without a window.
std::unique_ptr<forms::ControlPeer> makeControlPeer(forms::Control& control, const PeerSite& site);

}  // namespace orv::win32
