// SPDX-License-Identifier: GPL-3.0-or-later
// A tree node's caption in the current language, as its kind's entry makes it.
#pragma once

#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"

#include <string>

namespace korvisel {

std::string NodeCaption(const TTreeNodeData& node, const TLanguageTexts& texts);

} // namespace korvisel
