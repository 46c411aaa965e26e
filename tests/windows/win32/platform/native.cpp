#include "native.h"

#include <string>

#include "windows/win32/child_peer.h"

namespace orv::testing {

HWND childNamed(HWND parent, std::wstring_view name) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto atom =
            static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(child, win32::kNameProperty)));
        if (atom == 0) continue;
        wchar_t text[256] = {};
        const UINT length = GlobalGetAtomNameW(atom, text, 256);
        if (std::wstring_view(text, length) == name) return child;
    }
    return nullptr;
}

long gdiObjectsInUse() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
        return static_cast<long>(counted);
    }
    std::vector<HGDIOBJ> probe;
    probe.reserve(70000);
    while (probe.size() < 200000) {
        HGDIOBJ pen = CreatePen(PS_SOLID, 1, 0);
        if (pen == nullptr) break;
        probe.push_back(pen);
    }
    for (HGDIOBJ pen : probe) DeleteObject(pen);
    return -static_cast<long>(probe.size());
}

}  // namespace orv::testing
