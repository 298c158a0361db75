// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TemplateForms.h"

#include "core/SafeText.h"
#include "core/SmsText.h"
#include "editor/FieldNodes.h"
#include "editor/NodeCaption.h"
#include "fields/SiteFields.h"
#include "i18n/CodePage.h"

#include <algorithm>

namespace korvisel {
namespace {

constexpr TTextKey ContactIdGroupKeys[] = {"REP_CIDVAL1", "REP_CIDVAL2", "REP_CIDVAL3", "REP_CIDVAL4"};

// Captions of the language carry the spaces and colons of the labels they were made for.
std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == ':'))
        text.pop_back();
    return text;
}

std::string FieldCaption(const TSiteField& field, const TLanguageTexts& texts) {
    if (field.Row->Scope == TFieldScope::Phone)
        return Trimmed(texts.Text("F6_PHON_PH_NUMBER")) + " " + std::to_string(field.Record);
    if (field.Group)
        return Trimmed(texts.Text(ContactIdGroupKeys[field.Group - ContactIdGroups]));
    return field.Row->Caption ? Trimmed(texts.Text(field.Row->Caption)) : field.Name;
}

std::string SmsCharacters() {
    std::string characters;
    for (const char c : std::string_view(SmsCharTable))
        if (IsSmsCharacter(c) && characters.find(c) == std::string::npos)
            characters += c;
    return characters;
}

} // namespace

std::vector<TTemplateChoice> TemplateChoices(const TProjectInfo& project, const TNavigationTree& tree,
                                             const TLanguageTexts& texts) {
    std::vector<TTemplateChoice> choices;
    std::vector<int> pages;
    for (const TSiteField& field : SiteFields()) {
        if (!SiteFieldUsed(field, project))
            continue;
        TTemplateChoice choice{field.Name, {}, FieldCaption(field, texts), {}};
        const std::optional<int> page = tree.Find(FieldNode(field.Name));
        for (int node = page.value_or(-1); node >= 0; node = tree.Node(node).Parent)
            choice.Path.insert(choice.Path.begin(), node);
        const std::string pageCaption =
            page ? Trimmed(NodeCaption(tree.Node(*page).Data, texts)) : std::string{};
        choice.Label =
            pageCaption.empty() || pageCaption == choice.Caption || field.Row->Scope == TFieldScope::Phone
                ? choice.Caption
                : pageCaption + ": " + choice.Caption;
        choices.push_back(std::move(choice));
        pages.push_back(page.value_or(-1));
    }
    // The tree lists its nodes in display order; within a page the table's order stands.
    std::vector<std::size_t> order(choices.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return pages[a] < pages[b]; });
    std::vector<TTemplateChoice> sorted;
    for (const std::size_t i : order)
        sorted.push_back(std::move(choices[i]));
    return sorted;
}

TSiteFieldKeys SiteFieldKeys(const std::string& name) {
    const std::optional<TSiteField> field = FindSiteField(name);
    if (!field)
        return {};
    const TFieldLimits& rule = field->Row->Settable;
    switch (field->Row->Type) {
    case TFieldType::PhoneNumber:
        return {{"1234567890+", static_cast<int>(rule.High), false}, false};
    case TFieldType::SmsText:
        return {{SmsCharacters(), static_cast<int>(SmsTextLimit), false}, false, true};
    // Unlike their pages, the form's edits may be empty: an empty value keeps the template's.
    case TFieldType::ContactId:
        return {{std::string(ContactIdSymbols), static_cast<int>(field->Group->Length), false}, true};
    default:
        return {{std::string(rule.Allowed), static_cast<int>(rule.High), false}, false};
    }
}

bool SmsTextAccepted(std::string_view text) {
    const std::optional<std::string> bytes = Utf8ToLatin1(text);
    return bytes && bytes->size() <= SmsTextLimit && IsSmsText(*bytes);
}

TKeyedText SiteValueRefusal(const TSiteTemplate& siteTemplate, const TTemplateField& field,
                            const std::string& value) {
    if (value.empty() || value == ClearingCell)
        return {};
    const std::optional<std::string> problem = SiteValueProblem(siteTemplate, field, value);
    if (!problem)
        return {};
    const std::optional<TSiteField> known = FindSiteField(field.Field);
    if (known && known->Row->Type == TFieldType::PhoneNumber && value.find('+', 1) != std::string::npos)
        return Keyed("PRG_TEMPLATE_PLUS_FIRST");
    const TSiteFieldKeys keys = SiteFieldKeys(field.Field);
    if (known && known->Row->Type != TFieldType::PhoneNumber && known->Row->Type != TFieldType::SmsText &&
        value.size() != static_cast<std::size_t>(keys.Props.CharCount))
        return Keyed("PRG_TEMPLATE_LENGTH", {Literal(std::to_string(keys.Props.CharCount))});
    return Literal(*problem);
}

TKeyedText TemplateRefusal(const TSiteTemplate& made, const std::vector<TTemplateChoice>& choices) {
    for (const TTemplateField& field : made.Fields) {
        const auto choice = std::find_if(choices.begin(), choices.end(),
                                         [&](const TTemplateChoice& c) { return c.Field == field.Field; });
        const TKeyedText setting = Literal(choice == choices.end() ? field.Field : choice->Label);
        if (Utf8Length(field.Label) > TemplateLabelLimit)
            return Keyed("PRG_TEMPLATE_LABEL_LONG", {setting, Literal(std::to_string(TemplateLabelLimit))});
        if (field.Default)
            if (TKeyedText refusal = SiteValueRefusal(made, field, *field.Default); !refusal.Empty())
                return Keyed("PRG_TEMPLATE_DEFAULT_REFUSED", {setting, std::move(refusal)});
    }
    return {};
}

} // namespace korvisel
