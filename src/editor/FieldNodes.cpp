// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FieldNodes.h"

#include "fields/FieldTable.h"

#include <charconv>

namespace korvisel {
namespace {

// "Name[n]" and what follows it: the name, the number (0 when there is none) and the rest after
// the dot.
struct TPathStep {
    std::string_view Name;
    int Number = 0;
    std::string_view Rest;
};

TPathStep FirstStep(std::string_view field) {
    TPathStep step;
    const std::size_t end = field.find_first_of("[.");
    step.Name = field.substr(0, end);
    if (end == std::string_view::npos)
        return step;
    std::size_t next = end;
    if (field[end] == '[') {
        const std::size_t close = field.find(']', end);
        if (close == std::string_view::npos)
            return step;
        std::from_chars(field.data() + end + 1, field.data() + close, step.Number);
        next = close + 1;
    }
    if (next < field.size() && field[next] == '.')
        step.Rest = field.substr(next + 1);
    return step;
}

} // namespace

TTreeNodeData FieldNode(std::string_view field) {
    const TPathStep step = FirstStep(field);
    for (const TFieldRow& row : FieldRows()) {
        if (row.Scope == TFieldScope::Project) {
            if (row.Name == step.Name)
                return {row.Node, 0, 0};
            continue;
        }
        if (RecordListName(row.Scope) != step.Name || step.Number < 1 ||
            static_cast<std::size_t>(step.Number) > RecordCount(row.Scope))
            continue;
        // A whole list (the phone book) or a field of one of its records.
        if (row.Scope == TFieldScope::Phone || row.Name == FirstStep(step.Rest).Name)
            return {row.Node, row.Scope == TFieldScope::Input ? step.Number : 0,
                    row.Scope == TFieldScope::Output ? step.Number : 0};
    }
    return {nkInfo, 0, 0};
}

} // namespace korvisel
