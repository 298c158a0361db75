// SPDX-License-Identifier: GPL-3.0-or-later
// The question a phone-book command asks before it empties a phone that something uses: what uses
// it and where each use goes, so that no report silently goes to another person.
#pragma once

#include "core/MessageBoxes.h"
#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <string>

namespace korvisel {

enum class TEmptyingCommand { Delete, Edit };

// The question for the command that turns `before` into `after` by emptying entry k; empty when
// nothing in force used the entry.
std::string PhoneMoveQuestion(const TProjectInfo& before, const TProjectInfo& after, int k,
                              TEmptyingCommand command, const TLanguageTexts& texts);

// Asks it when there is one: true when the command may go on.
bool ConfirmPhoneMoves(IMessageBoxes& boxes, const TLanguageTexts& texts, TEmptyingCommand command,
                       const TProjectInfo& before, const TProjectInfo& after, int k);

} // namespace korvisel
