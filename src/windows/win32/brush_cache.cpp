#include "windows/win32/brush_cache.h"

namespace orv::win32 {

HBRUSH BrushCache::brush(COLORREF colour) {
    UniqueBrush& cached = brushes_[colour];
    if (!cached) cached.reset(CreateSolidBrush(colour));
    return cached.get();
}

}  // namespace orv::win32
