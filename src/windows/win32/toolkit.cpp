#include "windows/win32/toolkit.h"

#include <commctrl.h>

#include "windows/win32/form_window.h"
#include "windows/win32/picture_peer.h"
#include "windows/win32/window_proc.h"

namespace orv::win32 {
namespace {

// The font dialogs use: the system's message font, else MS Shell Dlg at 8 points.
UniqueFont makeDialogFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        if (UniqueFont font{CreateFontIndirectW(&metrics.lfMessageFont)}) return font;
    }
    LOGFONTW fallback{};
    const WindowDc screen(nullptr);
    fallback.lfHeight = -MulDiv(8, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    fallback.lfWeight = FW_NORMAL;
    fallback.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(fallback.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    return UniqueFont{CreateFontIndirectW(&fallback)};
}

UniqueIcon loadIcon(HINSTANCE instance, int metricX, int metricY) {
    return UniqueIcon{
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                      GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0))};
}

}  // namespace

Toolkit::Toolkit(HINSTANCE module)
    : instance_(module),
      font_(makeDialogFont()),
      icon_(loadIcon(module, SM_CXICON, SM_CYICON)),
      smallIcon_(loadIcon(module, SM_CXSMICON, SM_CYSMICON)) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.style = CS_DBLCLKS;  // a double-click on the face opens the skin chooser
    form.lpfnWndProc = &routeToObject<FormWindow>;
    form.hInstance = instance_;
    form.hIcon = icon_.get();
    form.hIconSm = smallIcon_.get();
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.lpszClassName = kFormClass;
    ownsClasses_ = RegisterClassExW(&form) != 0;
    if (!ownsClasses_) return;

    WNDCLASSEXW dialog = form;  // a dialog's caption shows no icon
    dialog.hIcon = nullptr;
    dialog.hIconSm = nullptr;
    dialog.lpszClassName = kDialogClass;
    RegisterClassExW(&dialog);

    WNDCLASSEXW picture{};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = &routeToObject<PicturePeer>;
    picture.hInstance = instance_;
    picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    picture.lpszClassName = kPictureClass;
    RegisterClassExW(&picture);
}

Toolkit::~Toolkit() {
    if (!ownsClasses_) return;
    UnregisterClassW(kPictureClass, instance_);
    UnregisterClassW(kDialogClass, instance_);
    UnregisterClassW(kFormClass, instance_);
}

}  // namespace orv::win32
