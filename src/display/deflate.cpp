#include "display/deflate.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orv::display {
namespace {

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kMaxProbes = 64;
constexpr std::uint32_t kHashBits = 15;
constexpr std::int64_t kNone = -1;

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Bits go out least significant first; Huffman codes are reversed to go out most significant
// first, as deflate wants them.
class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void bits(std::uint32_t value, int count) {
        for (int k = 0; k < count; ++k) {
            pending_ |= ((value >> k) & 1U) << used_;
            if (++used_ == 8) flush();
        }
    }
    void code(std::uint32_t code, int length) {
        for (int k = length - 1; k >= 0; --k) bits(code >> k, 1);
    }
    void finish() {
        if (used_ > 0) flush();
    }

  private:
    void flush() {
        out_.push_back(static_cast<std::uint8_t>(pending_));
        pending_ = 0;
        used_ = 0;
    }
    std::vector<std::uint8_t>& out_;
    std::uint32_t pending_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of deflate.
void symbol(BitWriter& out, int sym) {
    const auto s = static_cast<std::uint32_t>(sym);
    if (sym < 144) {
        out.code(0x30 + s, 8);
    } else if (sym < 256) {
        out.code(0x190 + s - 144, 9);
    } else if (sym < 280) {
        out.code(s - 256, 7);
    } else {
        out.code(0xC0 + s - 280, 8);
    }
}

// The last table entry whose base is not above the value.
template <std::size_t N>
std::size_t slotOf(const std::array<int, N>& bases, int value) {
    return static_cast<std::size_t>(std::upper_bound(bases.begin(), bases.end(), value) -
                                    bases.begin()) -
           1;
}

void match(BitWriter& out, int length, int distance) {
    const std::size_t l = length == 258 ? kLengthBase.size() - 1 : slotOf(kLengthBase, length);
    symbol(out, 257 + static_cast<int>(l));
    out.bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    const std::size_t d = slotOf(kDistanceBase, distance);
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

std::uint32_t hashAt(std::span<const std::uint8_t> data, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(data[at + k]); };
    const std::uint32_t key = byte(0) | (byte(1) << 8U) | (byte(2) << 16U);
    return (key * 2654435761U) >> (32 - kHashBits);
}

std::uint32_t adler32(std::span<const std::uint8_t> data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521U;
        b = (b + a) % 65521U;
    }
    return (b << 16) | a;
}

}  // namespace

std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out = {0x78, 0x01};  // deflate, 32 KiB window, no preset dictionary
    BitWriter bits(out);
    bits.bits(1, 1);  // the final block
    bits.bits(1, 2);  // fixed Huffman codes

    std::vector<std::int64_t> head(std::size_t{1} << kHashBits, kNone);
    std::vector<std::int64_t> previous(data.size(), kNone);
    const auto remember = [&](std::size_t at) {
        if (at + kMinMatch > data.size()) return;
        const std::uint32_t h = hashAt(data, at);
        previous[at] = head[h];
        head[h] = static_cast<std::int64_t>(at);
    };

    std::size_t at = 0;
    while (at < data.size()) {
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        if (at + kMinMatch <= data.size()) {
            const std::size_t most = std::min(kMaxMatch, data.size() - at);
            std::int64_t candidate = head[hashAt(data, at)];
            for (int probe = 0; probe < kMaxProbes && candidate != kNone; ++probe) {
                const auto from = static_cast<std::size_t>(candidate);
                if (at - from > kWindow) break;
                std::size_t length = 0;
                while (length < most && data[from + length] == data[at + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - from;
                    if (length == most) break;
                }
                candidate = previous[from];
            }
        }
        if (bestLength >= kMinMatch) {
            match(bits, static_cast<int>(bestLength), static_cast<int>(bestDistance));
            for (std::size_t k = 0; k < bestLength; ++k) remember(at + k);
            at += bestLength;
        } else {
            symbol(bits, data[at]);
            remember(at);
            ++at;
        }
    }
    symbol(bits, 256);  // end of block
    bits.finish();

    const std::uint32_t check = adler32(data);
    for (const int shift : {24, 16, 8, 0}) {
        out.push_back(static_cast<std::uint8_t>(check >> shift));
    }
    return out;
}

std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc) {
    crc = ~crc;
    for (const std::uint8_t byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

}  // namespace orv::display
