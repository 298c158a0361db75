// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/AccessKeys.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

using TCaptions = std::vector<std::string>;

TEST(AccessKeys, EachCaptionOfAMenuGetsAKeyOfItsOwn) {
    const struct {
        const char* why;
        TCaptions captions;
        TCaptions marked;
    } cases[] = {
        {"marks the texts carry stay; the others take a word's first letter",
         {"&New", "&Open", "&Save", "Save &As ...", "Close", "E&xit"},
         {"&New", "&Open", "&Save", "Save &As ...", "&Close", "E&xit"}},
        {"a first letter taken: another word's, then any letter",
         {"File", "Find Next", "Fifi"},
         {"&File", "Find &Next", "F&ifi"}},
        {"a mark another caption holds already is given up", {"&Copy", "&Cut"}, {"&Copy", "C&ut"}},
        {"upper and lower case are one key", {"Undo", "under"}, {"&Undo", "u&nder"}},
        {"Cyrillic captions, in either case",
         {"Файл", "Формат", "фон", "Справка"},
         {"&Файл", "Ф&ормат", "фо&н", "&Справка"}},
        {"a literal ampersand is no mark", {"Tom && Jerry", "Tim"}, {"&Tom && Jerry", "T&im"}},
        {"nothing free: no mark", {"A", "a", "1", "--"}, {"&A", "a", "&1", "--"}},
        {"a mark before no letter is dropped and another chosen", {"Save &.", "Set"}, {"&Save .", "S&et"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithAccessKeys(c.captions), c.marked) << c.why;
}

TEST(AccessKeys, AnyBytesAreTaken) {
    const TCaptions marked = WithAccessKeys({"\xff\xfe", "\xd0", "ok\xe2\x82"});
    ASSERT_EQ(marked.size(), 3u);
    EXPECT_EQ(marked[2].substr(0, 3), "&ok");
    EXPECT_TRUE(WithAccessKeys({}).empty());
}

} // namespace
} // namespace korvisel
