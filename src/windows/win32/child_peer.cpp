#include "windows/win32/child_peer.h"

#include <utility>

#include "windows/win32/text.h"
#include "windows/win32/toolkit.h"
#include "windows/win32/tooltips.h"
#include "windows/win32/window_proc.h"

namespace orv::win32 {
namespace {

// Sets a flag for as long as it lives and puts back the previous value.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) noexcept : flag_(flag), previous_(std::exchange(flag, true)) {}
    ~FlagGuard() { flag_ = previous_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

}  // namespace

forms::Rect placeInForm(const forms::Control& control) {
    forms::Rect rect = control.bounds();
    for (const forms::Control* outer = control.container(); outer != nullptr;
         outer = outer->container()) {
        rect.left += outer->bounds().left;
        rect.top += outer->bounds().top;
    }
    return rect;
}

ChildPeer::ChildPeer(forms::Control& control, const PeerSite& site)
    : control_(control), site_(site) {}

ChildPeer::~ChildPeer() {
    HWND window = hwnd();
    if (window == nullptr) return;
    site_.tooltips.remove(window);
    RemovePropW(window, kPeerProperty);
    RemovePropW(window, kNameProperty);
    detachObject(window);
    window_.reset();
}

ChildPeer* ChildPeer::of(HWND window) noexcept {
    return static_cast<ChildPeer*>(GetPropW(window, kPeerProperty));
}

void ChildPeer::create(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       std::string_view text, void* creationParameter) {
    const forms::Rect at = nativeBounds();
    // Each native child gets a command id of its own above the dialog ids (IDOK, IDCANCEL).
    static int created = 0;
    const auto id = static_cast<UINT_PTR>(1000 + created++ % 30000);
    window_.reset(CreateWindowExW(exStyle | WS_EX_NOPARENTNOTIFY, windowClass, widen(text).c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS | style, at.left, at.top, at.width,
                                  at.height, site_.parent, reinterpret_cast<HMENU>(id),
                                  site_.toolkit.instance(), creationParameter));
    if (!window_) return;
    placed_ = at;
    SetPropW(hwnd(), kPeerProperty, this);
    name_.reset(GlobalAddAtomW(widen(control_.name()).c_str()));
    SetPropW(hwnd(), kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(name_.get())));
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(site_.toolkit.font()), FALSE);
}

forms::Rect ChildPeer::nativeBounds() const {
    return placeInForm(control_);
}

void ChildPeer::placeWindow() {
    const forms::Rect at = nativeBounds();
    if (at == placed_) return;
    placed_ = at;
    SetWindowPos(hwnd(), nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildPeer::stateChanged(const forms::Control& /*control*/) {
    HWND window = hwnd();
    if (window == nullptr) return;
    const FlagGuard guard(mirroring_);
    placeWindow();
    if ((IsWindowEnabled(window) != FALSE) != control_.enabled()) {
        EnableWindow(window, control_.enabled() ? TRUE : FALSE);
    }
    mirror();
    const bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != control_.visible()) ShowWindow(window, control_.visible() ? SW_SHOWNA : SW_HIDE);
    site_.tooltips.set(window, control_.toolTip());
}

}  // namespace orv::win32
