#pragma once

#include <windows.h>

#include <map>

#include "windows/win32/unique_handle.h"

namespace orv::win32 {

// Solid brushes by colour, each made once and kept until cleared or destroyed: controls ask for
// their background brush every time they paint, and a brush per request would leak.
class BrushCache {
  public:
    // The brush of `colour`, owned by the cache.
    HBRUSH brush(COLORREF colour);
    // Frees every brush (the colours they matched are gone).
    void clear() noexcept { brushes_.clear(); }

  private:
    std::map<COLORREF, UniqueBrush> brushes_;
};

}  // namespace orv::win32
