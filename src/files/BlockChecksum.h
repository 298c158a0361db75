// SPDX-License-Identifier: GPL-3.0-or-later
// The 128-bit block checksum that follows the device image in project files and in the device.
// It is built from the MD5 rounds but is not MD5: other initial values, big-endian message words,
// zero padding of the last block only, no length field and no feed-forward.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace korvisel {

struct TBlockChecksum {
    std::uint32_t A = 0x01234567;
    std::uint32_t B = 0x89ABCDEF;
    std::uint32_t C = 0xFEDCBA98;
    std::uint32_t D = 0x76543210;

    std::array<std::uint32_t, 4> Words() const { return {A, B, C, D}; }
    bool operator==(const TBlockChecksum&) const = default;
};

constexpr std::size_t ChecksumBlockSize = 64;

// Processes one block of at most 64 bytes; a shorter block is padded with zero bytes.
void ChecksumBlock(std::uint32_t& A, std::uint32_t& B, std::uint32_t& C, std::uint32_t& D,
                   std::span<const std::uint8_t> block);

TBlockChecksum BlockChecksum(std::span<const std::uint8_t> data);

} // namespace korvisel
