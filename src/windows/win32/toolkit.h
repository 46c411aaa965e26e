#pragma once

#include <windows.h>

#include "windows/win32/unique_handle.h"

namespace orv::win32 {

inline constexpr wchar_t kFormClass[] = L"Orvanta2.Form";
inline constexpr wchar_t kDialogClass[] = L"Orvanta2.Dialog";
inline constexpr wchar_t kPictureClass[] = L"Orvanta2.Picture";
inline constexpr int kProgramIconId = 1;

// What every native window of the program shares: the module whose resources it shows, the font
// of the standard controls, the program icon and the window classes.
class Toolkit {
  public:
    explicit Toolkit(HINSTANCE module);
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    HINSTANCE instance() const noexcept { return instance_; }
    HFONT font() const noexcept { return font_.get(); }

  private:
    HINSTANCE instance_;
    UniqueFont font_;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    bool ownsClasses_ = false;  // another toolkit of the process registered them first
};

}  // namespace orv::win32
