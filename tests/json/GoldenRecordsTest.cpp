// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/GoldenRecords.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// A thousand projects (five hundred unpacked from random images, five hundred random ones holding
// every value another program could write) give, through the image codec and the JSON writer and
// reader, exactly the bytes kept when the records were made.
TEST(GoldenRecords, TheCodecAndTheJsonFormatGiveTheKeptBytes) {
    const auto kept = test::ReadGoldenRecords(KORVISEL_SOURCE_DIR "/tests/data/golden-records.gz");
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->size(), 1000u);
    for (const test::TGoldenRecord& record : *kept) {
        const test::TGoldenRecord now = test::MakeGoldenRecord(record.Kind, record.Seed);
        const std::string which = record.Kind + " " + std::to_string(record.Seed);
        ASSERT_EQ(now.Packed, record.Packed) << which << ": packed";
        ASSERT_EQ(now.Json, record.Json) << which << ": written as JSON";
        ASSERT_EQ(now.Read, record.Read) << which << ": read back from JSON";
    }
}

} // namespace
} // namespace korvisel
