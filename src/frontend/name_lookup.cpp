#include "frontend/name_lookup.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace orv::frontend {

std::optional<int> findEntry(std::string_view text, std::span<const std::string_view> names) {
    int index = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error == std::errc{} && end == text.data() + text.size()) {
        if (index >= 0 && static_cast<std::size_t>(index) < names.size()) return index;
        return std::nullopt;
    }
    const auto found = std::find(names.begin(), names.end(), text);
    if (found == names.end()) return std::nullopt;
    return static_cast<int>(found - names.begin());
}

void printEntries(std::ostream& out, std::span<const std::string_view> names) {
    for (std::size_t i = 0; i < names.size(); ++i) out << i << '\t' << names[i] << '\n';
}

}  // namespace orv::frontend
