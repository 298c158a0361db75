// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ContactIdCodes.h"

#include <gtest/gtest.h>

#include <set>

namespace korvisel {
namespace {

std::vector<std::string> Codes(std::string_view filter) {
    std::vector<std::string> codes;
    for (const TContactIdCode* entry : FilterContactIdCodes(filter))
        codes.emplace_back(entry->Code);
    return codes;
}

bool HasCyrillic(std::string_view text) {
    return text.find('\xD0') != std::string_view::npos || text.find('\xD1') != std::string_view::npos;
}

TEST(ContactIdCodes, EveryEntryIsAThreeDigitCodeWithBothMeanings) {
    std::set<std::string_view> seen;
    std::string_view previous;
    for (const TContactIdCode& entry : ContactIdCodes()) {
        ASSERT_EQ(entry.Code.size(), 3u) << entry.Code;
        for (char c : entry.Code)
            EXPECT_TRUE(c >= '0' && c <= '9') << entry.Code;
        EXPECT_LT(previous, entry.Code) << "sorted and unique";
        EXPECT_TRUE(seen.insert(entry.Code).second) << entry.Code;
        EXPECT_FALSE(entry.English.empty()) << entry.Code;
        EXPECT_FALSE(HasCyrillic(entry.English)) << entry.Code;
        EXPECT_TRUE(HasCyrillic(entry.Russian)) << entry.Code;
        previous = entry.Code;
    }
    EXPECT_EQ(ContactIdCodes().size(), 220u);
}

TEST(ContactIdCodes, MeaningsOfKnownAndUnknownCodes) {
    struct Case {
        std::string Code;
        TCodeLanguage Language;
        std::string Meaning;
    };
    for (const Case& c : {
             Case{"602", TCodeLanguage::English, "Periodic test report"},
             Case{"602", TCodeLanguage::Russian, "Периодический тестовый отчёт"},
             Case{"100", TCodeLanguage::English, "Medical"},
             Case{"654", TCodeLanguage::English, "System inactivity"},
             Case{"999", TCodeLanguage::English, ""},
             Case{"60", TCodeLanguage::English, ""},
             Case{"6020", TCodeLanguage::English, ""},
             Case{"A*#", TCodeLanguage::Russian, ""},
             Case{"", TCodeLanguage::English, ""},
         })
        EXPECT_EQ(ContactIdCodeMeaning(c.Code, c.Language), c.Meaning) << c.Code;

    TContactId field;
    field.Code = {'1', '3', '0'};
    EXPECT_EQ(ContactIdCodeWithMeaning(field, TCodeLanguage::English), "130 Burglary");
    field.Code = {'9', '9', '9'};
    EXPECT_EQ(ContactIdCodeWithMeaning(field, TCodeLanguage::English), "999");
}

TEST(ContactIdCodes, FilterByCodeStartAndWordsInEitherLanguage) {
    struct Case {
        std::string Filter;
        std::vector<std::string> Codes;
    };
    const std::vector<std::string> burglary = {"130", "131", "132", "133", "134",
                                               "135", "136", "137", "138", "139"};
    for (const Case& c : {
             Case{"13", burglary},
             Case{" 13 ", burglary},
             Case{"602", {"602"}},
             Case{"periodic test", {"602", "608"}},
             Case{"PERIODIC   Test", {"602", "608"}},
             Case{"test periodic", {"602", "608"}},
             Case{"Пожар", {"110", "115", "118", "200", "373", "571", "604", "614"}},
             Case{"пожарн ТЕСТ", {"604"}},
             Case{"6 fire", {"604", "614"}},
             Case{"30 Bell", {}},
             Case{"xyz", {}},
             Case{"02", {}},
         })
        EXPECT_EQ(Codes(c.Filter), c.Codes) << '"' << c.Filter << '"';
    EXPECT_EQ(FilterContactIdCodes("").size(), ContactIdCodes().size());
    EXPECT_EQ(FilterContactIdCodes(" \t").size(), ContactIdCodes().size());
    // Any bytes are a filter: broken UTF-8 finds nothing rather than failing.
    EXPECT_TRUE(FilterContactIdCodes("\xD0").empty());
    EXPECT_TRUE(FilterContactIdCodes(std::string("\0\xFF", 2)).empty());
}

} // namespace
} // namespace korvisel
