#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "windows/forms/form.h"
#include "windows/win32/brush_cache.h"
#include "windows/win32/tooltips.h"
#include "windows/win32/unique_handle.h"

namespace orv::win32 {

class Toolkit;

// The native window of a form and the peers of its controls. Its face is the form's picture;
// mouse actions on the face, double-clicks and close requests go to the form, which decides.
class FormWindow final : public forms::FormPeer {
  public:
    FormWindow(forms::Form& form, const Toolkit& toolkit, HWND owner);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND hwnd() const noexcept { return window_.get(); }

    // Gives the window a new owner and centres it over that owner (or the screen).
    void ownAndCentre(HWND owner);
    // The form may be gone before this window: the teardown leaves the model alone.
    void orphan() noexcept { orphaned_ = true; }

    void stateChanged(const forms::Form& form) override;
    void controlAdded(forms::Control& control) override;
    void minimize() override;
    void moveBy(float dx, float dy) override;
    void setTopmost(bool topmost) override;
    void popupMenu(const forms::MenuItem& menu, float x, float y,
                   const forms::MenuItem* defaultItem) override;
    forms::Colour pixel(int x, int y) override;

    // Routed from the window procedure of the form class.
    std::optional<LRESULT> route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    template <typename Window>
    friend std::optional<LRESULT> routePaintedWindow(Window& window, UINT message, WPARAM wParam,
                                                     LPARAM lParam);

    void createControls();
    void addPeer(forms::Control& control);
    void paint(HDC dc) const;
    void captureLost() noexcept { held_ = 0; }
    LRESULT onButtonDown(forms::MouseButton button, WPARAM wParam, LPARAM lParam);
    LRESULT onButtonUp(forms::MouseButton button, WPARAM wParam, LPARAM lParam);
    LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT onDoubleClick();
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(HDC dc, HWND control);
    std::optional<LRESULT> onActivate(WPARAM wParam);
    LRESULT onClose();

    forms::Form& form_;
    const Toolkit& toolkit_;
    UniqueWindow window_;
    UniqueAtom name_;
    UniqueBitmap background_;
    BrushCache controlBrushes_;  // the backgrounds of the controls on this face
    Tooltips tooltips_{nullptr};
    std::vector<std::unique_ptr<forms::ControlPeer>> peers_;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last active
    int held_ = 0;          // buttons pressed on the face and not yet released
    bool orphaned_ = false;
};

}  // namespace orv::win32
