// SPDX-License-Identifier: GPL-3.0-or-later
// The settings a sites table sets per site: the texts an installer changes from one site to the
// next (phone numbers, SMS texts, Contact ID groups, the PIN), named as the comparison of projects
// names them, each read and written through its field-table row with the rule its page applies.
#pragma once

#include "core/PrjTypes.h"
#include "core/Result.h"
#include "fields/FieldTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TSiteField {
    std::string Name; // "Phones[1].Number", "Inputs[2].SmsEventText", "Inputs[3].Cid.Object", "Pin"
    const TFieldRow* Row = nullptr;
    std::size_t Record = 1;
    const TContactIdGroup* Group = nullptr; // the part of a Contact ID, for a Contact ID field
};

// The value that clears a field in a sites table's cell.
constexpr std::string_view ClearingCell = "-";

// Every field a sites table can set, in the field table's order.
std::vector<TSiteField> SiteFields();
std::optional<TSiteField> FindSiteField(std::string_view name);

// Whether the report kind of the field's record uses it (an SMS text is not a DATA input's).
bool SiteFieldUsed(const TSiteField& field, const TProjectInfo& project);

// The field's value as a cell would give it (UTF-8).
std::string SiteFieldValue(const TSiteField& field, const TProjectInfo& project);

// Sets the field from a cell, or refuses it with the reason its page would: ClearingCell clears it
// (an empty phone number makes the entry empty, a Contact ID group holds zeros).
TResult<> SetSiteField(const TSiteField& field, TProjectInfo& project, std::string_view cell);

} // namespace korvisel
