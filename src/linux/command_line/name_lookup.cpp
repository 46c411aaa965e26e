#include "linux/command_line/name_lookup.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

#include "linux/command_line/whole_number.h"

namespace orv::command_line {
namespace {

constexpr char32_t kCapitalA = U'А';
constexpr char32_t kCapitalYa = U'Я';
constexpr char32_t kCaseStep = U'а' - U'А';

// One letter as it is compared: lower case, ё as е. Bytes that are not UTF-8 stay themselves.
char32_t folded(char32_t letter) {
    if (letter >= U'A' && letter <= U'Z') return letter + (U'a' - U'A');
    if (letter >= kCapitalA && letter <= kCapitalYa) return letter + kCaseStep;
    if (letter == U'Ё' || letter == U'ё') return U'е';
    return letter;
}

// The letters of a UTF-8 text, folded. Only the two-byte sequences the names use are decoded.
std::u32string foldedLetters(std::string_view text) {
    std::u32string letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xE0U) == 0xC0U && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0U) == 0x80U) {
            const auto trail = static_cast<unsigned char>(text[++i]);
            letters += folded(static_cast<char32_t>(((lead & 0x1FU) << 6U) | (trail & 0x3FU)));
        } else {
            letters += folded(lead);
        }
    }
    return letters;
}

std::size_t editDistance(const std::u32string& a, const std::u32string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<int> findEntry(std::string_view text, std::span<const std::string_view> names) {
    if (const auto index = wholeNumberIn(text, 0, static_cast<int>(names.size()) - 1)) return index;
    const std::u32string wanted = foldedLetters(text);
    const auto found = std::find_if(names.begin(), names.end(), [&](std::string_view name) {
        return foldedLetters(name) == wanted;
    });
    if (found == names.end()) return std::nullopt;
    return static_cast<int>(found - names.begin());
}

std::string_view nearestEntry(std::string_view text, std::span<const std::string_view> names) {
    const std::u32string wanted = foldedLetters(text);
    std::string_view nearest;
    std::size_t best = 0;
    for (const std::string_view name : names) {
        const std::size_t distance = editDistance(wanted, foldedLetters(name));
        if (nearest.empty() || distance < best) {
            nearest = name;
            best = distance;
        }
    }
    return nearest;
}

void printEntries(std::ostream& out, std::span<const std::string_view> names) {
    for (std::size_t i = 0; i < names.size(); ++i) out << i << '\t' << names[i] << '\n';
}

}  // namespace orv::command_line
