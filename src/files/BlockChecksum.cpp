// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BlockChecksum.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace korvisel {
namespace {

constexpr std::uint32_t Sine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

constexpr int Shift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

} // namespace

void ChecksumBlock(std::uint32_t& A, std::uint32_t& B, std::uint32_t& C, std::uint32_t& D,
                   std::span<const std::uint8_t> block) {
    assert(block.size() <= ChecksumBlockSize);
    std::array<std::uint8_t, ChecksumBlockSize> padded{};
    std::copy_n(block.begin(), std::min(block.size(), ChecksumBlockSize), padded.begin());

    std::uint32_t X[16];
    for (std::size_t j = 0; j < 16; ++j)
        X[j] = (std::uint32_t{padded[4 * j]} << 24) | (std::uint32_t{padded[4 * j + 1]} << 16) |
               (std::uint32_t{padded[4 * j + 2]} << 8) | std::uint32_t{padded[4 * j + 3]};

    // The register roles rotate every step: the result goes to a, then d, then c, then b.
    std::uint32_t r[4] = {A, B, C, D};
    for (int i = 0; i < 64; ++i) {
        std::uint32_t& a = r[(4 - i % 4) % 4];
        const std::uint32_t b = r[(5 - i % 4) % 4];
        const std::uint32_t c = r[(6 - i % 4) % 4];
        const std::uint32_t d = r[(7 - i % 4) % 4];
        std::uint32_t f;
        int k;
        switch (i / 16) {
        case 0:
            f = (b & c) | (~b & d);
            k = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            k = (1 + 5 * i) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            k = (5 + 3 * i) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            k = (7 * i) % 16;
            break;
        }
        a = b + std::rotl(a + f + X[k] + Sine[i], Shift[i / 16][i % 4]);
    }
    A = r[0];
    B = r[1];
    C = r[2];
    D = r[3];
}

TBlockChecksum BlockChecksum(std::span<const std::uint8_t> data) {
    TBlockChecksum sum;
    while (!data.empty()) {
        const std::size_t n = std::min(data.size(), ChecksumBlockSize);
        ChecksumBlock(sum.A, sum.B, sum.C, sum.D, data.first(n));
        data = data.subspan(n);
    }
    return sum;
}

} // namespace korvisel
