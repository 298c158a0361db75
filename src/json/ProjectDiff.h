// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of two projects as a device would hold them, field by field, under the names of
// the JSON project format.
#pragma once

#include "core/PrjTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// A field that differs, named as the JSON project format names it ("Inputs[2].ReactionTime"), with
// its two values as JSON writes them, "(not used)" where one project does not use the field.
struct TFieldDifference {
    std::string Field;
    std::string First;
    std::string Second;
    bool operator==(const TFieldDifference&) const = default;
};

// Both projects are taken through a device image first, so what no image keeps (phone names, fields
// the report type does not use) never counts.
std::vector<TFieldDifference> FieldDifferences(const TProjectInfo& first, const TProjectInfo& second);

// One line per field that differs: "Inputs[2].ReactionTime: device 11, file 13", with the two
// labels before the two values. Both projects are taken through a device image first, so what no
// image keeps (phone names, fields the report type does not use) never counts.
std::vector<std::string> ProjectDifferences(const TProjectInfo& first, const TProjectInfo& second,
                                            std::string_view firstLabel, std::string_view secondLabel);

} // namespace korvisel
