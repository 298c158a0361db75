// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/BlockChecksum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvisel {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(BlockChecksum, KnownValues) {
    struct Case {
        std::vector<std::uint8_t> data;
        TBlockChecksum sum;
    } cases[] = {
        {{}, {0x01234567, 0x89ABCDEF, 0xFEDCBA98, 0x76543210}},
        {Bytes("abc"), {0x403CE9CA, 0x891FC264, 0xD6BAD8C9, 0x5BD8D236}},
        // Zero bytes within the last block change nothing: there is no length and no end marker.
        {{'a', 'b', 'c', 0}, {0x403CE9CA, 0x891FC264, 0xD6BAD8C9, 0x5BD8D236}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlockChecksum(c.data), c.sum) << c.data.size() << " bytes";
}

TEST(BlockChecksum, AZeroByteThatStartsANewBlockCounts) {
    std::vector<std::uint8_t> data(64, 0x41);
    const TBlockChecksum one = BlockChecksum(data);
    data.push_back(0);
    EXPECT_NE(BlockChecksum(data), one);
}

TEST(BlockChecksum, SplitsAnImageIntoBlocksAndPadsOnlyTheLast) {
    // 450 bytes: seven full blocks, then two bytes padded with zeros.
    std::vector<std::uint8_t> data(450);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    std::uint32_t A = 0x01234567, B = 0x89ABCDEF, C = 0xFEDCBA98, D = 0x76543210;
    for (std::size_t offset = 0; offset < 448; offset += 64)
        ChecksumBlock(A, B, C, D, std::span(data).subspan(offset, 64));
    const std::uint8_t last[64] = {data[448], data[449]};
    ChecksumBlock(A, B, C, D, last);
    EXPECT_EQ(BlockChecksum(data), (TBlockChecksum{A, B, C, D}));
}

} // namespace
} // namespace korvisel
