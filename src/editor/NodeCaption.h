// SPDX-License-Identifier: GPL-3.0-or-later
// A tree node's caption in the current language, as its kind's entry makes it.
#pragma once

#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"

#include <string>

namespace korvisel {

std::string NodeCaption(const TTreeNodeData& node, const TLanguageTexts& texts);

// What the node's picture says, in words for a screen reader: whether its input, output or test is
// on, or whether its report kind is the one chosen; empty for a node whose picture never changes.
std::string NodeStateText(const TTreeNodeData& node, const TProjectInfo& project,
                          const TLanguageTexts& texts);

} // namespace korvisel
