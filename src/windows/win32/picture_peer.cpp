#include "windows/win32/picture_peer.h"

#include <algorithm>
#include <cstring>

#include "windows/win32/images.h"
#include "windows/win32/mouse.h"
#include "windows/win32/painted_window.h"
#include "windows/win32/toolkit.h"
#include "windows/win32/unique_handle.h"
#include "windows/win32/window_proc.h"

namespace orv::win32 {
namespace {

void fill(HDC dc, const RECT& rect, forms::Colour colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

HDC BackBuffer::prepare(HDC reference, int width, int height) {
    if (dc_ && width == width_ && height == height_) return dc_.get();
    selected_ = Selection{};
    dc_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like the program's pixel buffers
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.reset(CreateCompatibleDC(reference));
    if (!bitmap_ || !dc_ || bits == nullptr) {
        dc_.reset();
        bitmap_.reset();
        return nullptr;
    }
    selected_ = Selection(dc_.get(), bitmap_.get());
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return dc_.get();
}

PicturePeer::PicturePeer(forms::PictureBox& box, const PeerSite& site)
    : ChildPeer(box, site), box_(box) {
    create(kPictureClass, 0, 0, {}, this);
}

PicturePeer::~PicturePeer() {
    detachObject(hwnd());
}

std::optional<LRESULT> PicturePeer::route(HWND /*window*/, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (const auto handled = routePaintedWindow(*this, message, wParam, lParam)) return handled;
    switch (message) {
        case WM_NCDESTROY:
            windowDestroyed();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void PicturePeer::mirror() {
    // Pictures are loaded anew whenever they are set; the one replaced is freed here.
    if (box_.drawing() == nullptr) {
        picture_ = loadPicture(box_.picture(), context().toolkit.instance());
    } else {
        picture_.reset();
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void PicturePeer::redraw(const forms::Control& control) {
    if (box_.drawing() == nullptr || IsWindowVisible(hwnd()) == FALSE) {
        stateChanged(control);
        return;
    }
    // A drawn picture is shown at once, straight into the window, and nothing else is looked
    // at: the capture loop redraws it after every block, and a paint message per block costs
    // far more than the copy itself (under Wine, 400 us against 20).
    const WindowDc dc(hwnd());
    if (dc.get() != nullptr) paint(dc.get());
}

void PicturePeer::paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (box_.drawing() != nullptr) {
        paintDrawing(dc, client);
        return;
    }
    const SIZE size = bitmapSize(picture_.get());
    if (size.cx < client.right || size.cy < client.bottom) fill(dc, client, box_.backColour());
    drawBitmap(dc, picture_.get());
    paintLines(dc);
}

void PicturePeer::paintDrawing(HDC dc, const RECT& client) {
    HDC buffer = buffer_.prepare(dc, client.right, client.bottom);
    if (buffer == nullptr) return;
    const forms::RasterView view = box_.drawing()->raster();
    const int width = std::min(view.width, static_cast<int>(client.right));
    const int height = std::min(view.height, static_cast<int>(client.bottom));
    if (view.pixels == nullptr || width < client.right || height < client.bottom) {
        fill(buffer, client, box_.backColour());
    }
    GdiFlush();  // GDI may still be writing to the bits
    if (view.pixels != nullptr && width > 0) {
        for (int row = 0; row < height; ++row) {
            std::memcpy(buffer_.bits() + static_cast<std::ptrdiff_t>(row) * client.right,
                        view.pixels + static_cast<std::ptrdiff_t>(row) * view.width,
                        static_cast<std::size_t>(width) * sizeof(std::uint32_t));
        }
    }
    // The grid goes over the copy, never into the program's picture.
    paintLines(buffer);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
}

void PicturePeer::paintLines(HDC dc) const {
    const Selection pen(dc, GetStockObject(DC_PEN));
    for (const forms::Control* control : context().form.controls()) {
        const auto* line = dynamic_cast<const forms::Line*>(control);
        if (line == nullptr || line->container() != &box_ || !line->visible()) continue;
        const forms::Line::Ends& ends = line->ends();
        SetDCPenColor(dc, line->colour());
        MoveToEx(dc, ends.x1, ends.y1, nullptr);
        LineTo(dc, ends.x2, ends.y2);
        SetPixelV(dc, ends.x2, ends.y2, line->colour());  // both ends belong to the line
    }
}

LRESULT PicturePeer::onButtonDown(forms::MouseButton button, WPARAM wParam, LPARAM lParam) {
    held_ |= buttonBit(button);
    const MouseEvent event = mouseEvent(button, wParam, lParam);
    HWND window = hwnd();
    box_.mouseDown(event.button, event.shift, event.x, event.y);
    // Held on: the release comes here even off the box. Not when a handler's modal loop has
    // taken the release already.
    if (IsWindow(window) && stillHeld(button)) SetCapture(window);
    return 0;
}

LRESULT PicturePeer::onButtonUp(forms::MouseButton button, WPARAM wParam, LPARAM lParam) {
    const bool pressedHere = (held_ & buttonBit(button)) != 0;
    held_ &= ~buttonBit(button);
    if (held_ == 0 && GetCapture() == hwnd()) ReleaseCapture();
    if (!pressedHere) return 0;
    const MouseEvent event = mouseEvent(button, wParam, lParam);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool inside = PtInRect(&client, at) != FALSE;
    forms::PictureBox& box = box_;  // the handlers may unload the form and this peer with it
    box.mouseUp(event.button, event.shift, event.x, event.y);
    if (inside && button == forms::MouseButton::Left) box.click();
    return 0;
}

void LinePeer::stateChanged(const forms::Control& /*control*/) {
    const forms::Control* container = line_.container();
    if (container == nullptr) return;
    if (const auto* pane = dynamic_cast<const ChildPeer*>(container->peer())) {
        InvalidateRect(pane->hwnd(), nullptr, FALSE);
    }
}

}  // namespace orv::win32
