#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace orv::render {

// How hard libpng compresses: fast for a frame of a sequence, small for a single picture.
enum class PngEffort { Fast, Small };

// Encodes 8-bit RGB rows, or RGBA when `alpha` (top-down), as a PNG into `out`, which keeps its
// storage between calls. The same pixels always give the same bytes.
void encodePng(std::span<const std::uint8_t> pixels, int width, int height, bool alpha,
               PngEffort effort, std::vector<std::uint8_t>& out);

// Writes bytes to a file; throws OutputError naming it as `shownAs` (the output a temporary
// file stands for) when it cannot.
void writeFile(const std::filesystem::path& file, const std::filesystem::path& shownAs,
               std::span<const std::uint8_t> bytes);

}  // namespace orv::render
