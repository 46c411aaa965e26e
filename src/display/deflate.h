#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orv::display {

// A zlib stream (RFC 1950) of the data: one deflate block with the fixed Huffman codes and
// back-references found through a hash of the next three bytes. Small and slow next to zlib, but
// pictures of a few flat colours shrink well with it.
std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data);

// The CRC-32 that PNG chunks carry (ISO 3309), continued from an earlier value.
std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc = 0);

}  // namespace orv::display
