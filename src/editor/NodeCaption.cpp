// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/NodeCaption.h"

namespace korvisel {
namespace {

std::string FormatWith(std::string templateText, const char* placeholder, const std::string& value) {
    const std::size_t at = templateText.find(placeholder);
    if (at != std::string::npos)
        templateText.replace(at, 2, value);
    return templateText;
}

} // namespace

std::string NodeCaption(const TTreeNodeData& node, const TLanguageTexts& texts) {
    const TNodeKindEntry* entry = NodeKindEntry(node.Kind);
    if (!entry)
        return {};
    const auto T = [&](TTextKey key) { return texts.Text(key); };
    const auto with = [&](TTextKey key, const std::string& value) {
        return FormatWith(T(entry->Caption), "%s", FormatWith(T(key), "%d", value));
    };
    switch (entry->CaptionRule) {
    case TCaptionRule::Text:
        return T(entry->Caption);
    case TCaptionRule::Fixed:
        return entry->FixedCaption;
    case TCaptionRule::WithInput:
        return T(entry->Caption) + std::to_string(node.Input);
    case TCaptionRule::WithOutput:
        return T(entry->Caption) + std::to_string(node.Output);
    case TCaptionRule::AtInput:
        return with("CAPTIONPAGESMSTEXTEx1", std::to_string(node.Input));
    case TCaptionRule::OfInput:
        return with("CAPTIONPAGESMSTEXTEx4", std::to_string(node.Input));
    case TCaptionRule::OfTestCycle:
        return FormatWith(T(entry->Caption), "%s", T("CAPTIONPAGESMSTEXTEx2"));
    }
    return {};
}

std::string NodeStateText(const TTreeNodeData& node, const TProjectInfo& project,
                          const TLanguageTexts& texts) {
    const std::optional<bool> holds = NodeMarkHolds(node, project);
    if (!holds)
        return {};
    const TNodeKindEntry* entry = NodeKindEntry(node.Kind);
    if (entry->Report)
        return *holds ? texts.Text("PRG_A11Y_CHOSEN") : texts.Text("PRG_A11Y_NOT_CHOSEN");
    return *holds ? texts.Text("PRG_A11Y_ON") : texts.Text("PRG_A11Y_OFF");
}

} // namespace korvisel
