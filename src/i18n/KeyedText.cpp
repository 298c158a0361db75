// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/KeyedText.h"

namespace korvisel {
namespace {

template <typename Wording> std::string Worded(const TKeyedText& text, const Wording& wording) {
    if (!text.Key)
        return text.Literal;
    std::vector<std::string> arguments;
    for (const TKeyedText& argument : text.Arguments)
        arguments.push_back(Worded(argument, wording));
    return WithArguments(wording(text.Key), arguments);
}

} // namespace

TKeyedText Keyed(TTextKey key, std::vector<TKeyedText> arguments) {
    return {key, {}, std::move(arguments)};
}

TKeyedText Literal(std::string text) {
    return {nullptr, std::move(text), {}};
}

std::string TextOf(const TKeyedText& text, const TLanguageTexts& texts) {
    return Worded(text, [&texts](TTextKey key) -> std::string_view { return texts.Text(key); });
}

std::string EnglishOf(const TKeyedText& text) {
    return Worded(text, [](TTextKey key) -> std::string_view { return key.BuiltInText(); });
}

std::string CountText(std::uint64_t count, const TPluralKeys& keys, const TLanguageTexts& texts) {
    const TCountRules& rules = texts.CountRules();
    TTextKey key = keys.Other;
    switch (PluralForm(rules.Plural, count)) {
    case TPluralForm::One:
        key = keys.One;
        break;
    case TPluralForm::Few:
        key = keys.Few;
        break;
    case TPluralForm::Many:
        key = keys.Many;
        break;
    case TPluralForm::Other:
        break;
    }
    return WithArguments(texts.Text(key), {NumberText(count, rules)});
}

} // namespace korvisel
