// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TemplateForms.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(TemplateForms, WhatCannotStandIsWordedForTheWindow) {
    TSiteTemplate t;
    t.Name = "Company";
    const std::vector<TTemplateChoice> choices = {{"Pin", {}, "PIN code", "PIN code"}};
    struct Case {
        const char* name;
        std::vector<TTemplateField> fields;
        std::string said;
    } cases[] = {
        {"sound",
         {{"Pin", "PIN", std::string("1234")}, {"Phones[1].Number", "Owner", std::string("+7900")}},
         ""},
        {"a short PIN, named as the list names it",
         {{"Pin", "PIN", std::string("12")}},
         "The default of PIN code cannot stand: Needs exactly 4 characters."},
        {"a + after the first character, named by its field where the list has none",
         {{"Phones[1].Number", "Owner", std::string("79+00")}},
         "The default of Phones[1].Number cannot stand: Only the first character may be +."},
        {"a label of 81 characters",
         {{"Pin", std::string(81, 'x'), std::nullopt}},
         "The label of PIN code is longer than 80 characters."},
        {"no default, an empty one and a clearing one are no refusals",
         {{"Phones[1].Number", "Owner", std::nullopt}, {"Phones[2].Number", "Guard", std::string("-")}},
         ""},
    };
    for (const Case& c : cases) {
        t.Fields = c.fields;
        EXPECT_EQ(EnglishOf(TemplateRefusal(t, choices)), c.said) << c.name;
    }
}

} // namespace
} // namespace korvisel
