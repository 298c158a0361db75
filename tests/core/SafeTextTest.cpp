// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SafeText.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(SafeText, NothingThatControlsATerminalPassesRaw) {
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"DOOR OPEN", "DOOR OPEN"},
        {"a\\b", "a\\\\b"},
        {"\x1B]0;HI\a", "\\x1B]0;HI\\x07"},
        {std::string("1\0"
                     "2",
                     3),
         "1\\x002"},
        {"\x7F", "\\x7F"},
        {"\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4", "\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4"}, // "Вход": printable UTF-8
        {"\xC2\x9B"
         "2J",
         "\\xC2\\x9B2J"}, // C1 CSI
        {"abc\xE2\x80\xAE"
         "fdp.exe",
         "abc\\xE2\\x80\\xAEfdp.exe"},            // right-to-left override
        {"caf\xE9", "caf\\xE9"},                  // Latin-1, not UTF-8
        {"\xE2\x82", "\\xE2\\x82"},               // cut short
        {"\xC0\xAF", "\\xC0\\xAF"},               // overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},      // a surrogate
        {"\xF0\x9F\x93\x9E", "\xF0\x9F\x93\x9E"}, // a phone, 4 bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapedText(c.bytes), c.shown) << c.shown;
}

TEST(SafeText, BidirectionalControlsAreShownNotObeyed) {
    EXPECT_EQ(ShownBidiControls("SN-\xE2\x80\xAE"
                                "2400"),
              "SN-<U+202E>2400");
    EXPECT_EQ(ShownBidiControls("\xE2\x81\xA6x\xE2\x81\xA9"), "<U+2066>x<U+2069>");
    EXPECT_EQ(ShownBidiControls("\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4\nA"), "\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4\nA")
        << "everything else stays as it is";
}

TEST(SafeText, AnEchoedValueIsCutAfterEightyCharactersWithItsLength) {
    EXPECT_EQ(EchoedValue("9481"), "9481");
    EXPECT_EQ(EchoedValue(std::string(80, 'x')), std::string(80, 'x'));
    EXPECT_EQ(EchoedValue(std::string(100, 'x')), std::string(80, 'x') + "... (100 bytes)");
    std::string cyrillic;
    for (int n = 0; n < 81; ++n)
        cyrillic += "\xD0\x96";
    EXPECT_EQ(EchoedValue(cyrillic), cyrillic.substr(0, 160) + "... (162 bytes)") << "whole characters";
}

} // namespace
} // namespace korvisel
