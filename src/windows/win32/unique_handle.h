#pragma once

#include <windows.h>

#include <utility>

namespace orv::win32 {

// Owns one handle and releases it with the one function that frees that kind of handle.
// Move-only, in the manner of WIL's unique_any. Traits give the type, the empty value and the
// release function.
template <typename Traits>
class Unique {
  public:
    using Type = typename Traits::Type;

    Unique() noexcept = default;
    explicit Unique(Type handle) noexcept : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Type get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::empty(); }
    Type release() noexcept { return std::exchange(handle_, Traits::empty()); }
    void reset(Type handle = Traits::empty()) noexcept {
        const Type old = std::exchange(handle_, handle);
        if (old != Traits::empty()) Traits::close(old);
    }

  private:
    Type handle_ = Traits::empty();
};

// Traits for handles whose empty value is null.
template <typename T, auto Close>
struct NullEmpty {
    using Type = T;
    static constexpr T empty() noexcept { return T{}; }
    static void close(T handle) noexcept { Close(handle); }
};

struct FindTraits {
    using Type = HANDLE;
    static Type empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Type handle) noexcept { FindClose(handle); }
};

struct FileTraits {
    using Type = HANDLE;
    static Type empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Type handle) noexcept { CloseHandle(handle); }
};

using UniqueBitmap = Unique<NullEmpty<HBITMAP, &DeleteObject>>;
using UniqueBrush = Unique<NullEmpty<HBRUSH, &DeleteObject>>;
using UniqueFont = Unique<NullEmpty<HFONT, &DeleteObject>>;
using UniqueDc = Unique<NullEmpty<HDC, &DeleteDC>>;
using UniqueIcon = Unique<NullEmpty<HICON, &DestroyIcon>>;
using UniqueMenu = Unique<NullEmpty<HMENU, &DestroyMenu>>;
using UniqueWindow = Unique<NullEmpty<HWND, &DestroyWindow>>;
using UniqueRegKey = Unique<NullEmpty<HKEY, &RegCloseKey>>;
using UniqueKernelHandle = Unique<NullEmpty<HANDLE, &CloseHandle>>;
using UniqueAtom = Unique<NullEmpty<ATOM, &GlobalDeleteAtom>>;
using UniqueFind = Unique<FindTraits>;
using UniqueFile = Unique<FileTraits>;

// A DC fetched with GetDC, given back with ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and puts back whatever was selected before.
class Selection {
  public:
    Selection() noexcept = default;
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { restore(); }
    Selection(Selection&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)) {}
    Selection& operator=(Selection&& other) noexcept {
        if (this != &other) {
            restore();
            dc_ = std::exchange(other.dc_, nullptr);
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    void restore() noexcept {
        if (dc_ != nullptr && old_ != nullptr) SelectObject(dc_, old_);
        dc_ = nullptr;
        old_ = nullptr;
    }
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace orv::win32
