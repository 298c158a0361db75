// SPDX-License-Identifier: GPL-3.0-or-later
// Where a setting named as the JSON project format names it ("Inputs[2].ReactionTime") is edited:
// the node of the tree whose page holds it, so that a list of differences can take the user there.
#pragma once

#include "fields/NavigationTree.h"

#include <string_view>

namespace korvisel {

// The node of the field's page; the project summary for a field no page edits (the audio
// parameters, which their dialog edits, and any name this table does not know).
TTreeNodeData FieldNode(std::string_view field);

} // namespace korvisel
