// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book's integrity: every operation that fills, changes or empties an entry, the phone
// dialog's rules, and the moves that keep the reports, outputs and supervision pointing at numbers
// that exist.
#pragma once

#include "core/PrjTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace korvisel {

// What a stored number may hold: a leading "+" or digit, then digits only.
std::string FilterPhoneNumber(std::string_view text);

bool IsPhonePresent(const TProjectInfo& project, int k);
int PresentPhoneCount(const TProjectInfo& project);
// The lowest entry above `after` that holds a number, or 0.
int LowestPresentPhone(const TProjectInfo& project, int after = 0);

// The phone dialog as the rules see it; the window passes the real one, tests a scripted one.
class IPhoneDialog {
public:
    virtual ~IPhoneDialog() = default;
    // Caption and prompt; only the phone book's Edit command sets them, the others keep the last.
    virtual void SetTexts(const std::string& caption, const std::string& prompt) = 0;
    // Asks for a number starting from `text`; nothing for Cancel. A required dialog cannot be left
    // empty: OK waits for a plausible number, and Cancel is offered only when `text` was not empty.
    virtual std::optional<std::string> Execute(const std::string& text, bool required) = 0;
};

// The dialog's buttons: OK as shown and after each change of the text, Cancel as shown. A required
// number offers OK only when what OK stores is a number of two characters or more, not "+" and one
// digit.
bool PhoneDialogOkEnabledOnShow(bool required, std::string_view text);
bool PhoneDialogOkEnabled(bool required, std::string_view text);
bool PhoneDialogCancelEnabled(bool required, std::string_view initialText);

// The three ways an entry is emptied or filled, each moving its own set of references.
enum class TPhoneRule {
    Delete, // the phone book's Delete command (emptying only)
    Edit,   // the phone book's Edit command
    Narrow, // EditPhoneEntry, as the pages call it
};

enum class TClipRole { Event, Restore };

// Moves a reference off an emptied entry: to the largest present entry below its old value, else
// to the smallest present one, else to 0.
void ReassignPhone(const TProjectInfo& project, std::uint8_t& reference);
// The same for one CLIP role of input `input`, among the present entries that no input uses in the
// other role, so that an input never rings the same phone for event and restore.
void ReassignClipPhone(TProjectInfo& project, TInputNumber input, TClipRole role);
// Gives entry k to every reference of the rule's set that is still 0.
void AssignNewPhone(TProjectInfo& project, int k, TPhoneRule rule);
// Empties entry k and moves every reference of the rule's set that pointed at it.
void EmptyPhoneEntry(TProjectInfo& project, int k, TPhoneRule rule);

// Asks for the number of entry k and applies the answer, as the pages do whenever a report needs a
// phone.
void EditPhoneEntry(TProjectInfo& project, IPhoneDialog& dialog, int k, bool required);

// Asked before a phone-book command empties an entry, with the project as it is and as the command
// would leave it: false leaves the project as it is.
using TEmptyingCheck = std::function<bool(const TProjectInfo& before, const TProjectInfo& after)>;

// The phone book's commands on entry k. Cut and Info do nothing.
void PhoneBookEdit(TProjectInfo& project, IPhoneDialog& dialog, int k, const std::string& caption,
                   const std::string& enterPrompt, const std::string& editPrompt,
                   const TEmptyingCheck& mayEmpty = {});
// The text Copy puts on the clipboard: the number, or nothing for an empty entry.
std::string PhoneBookCopy(const TProjectInfo& project, int k);
void PhoneBookPaste(TProjectInfo& project, int k, std::string_view clipboardText);
// False when nothing was deleted: the entry held no number, or `mayEmpty` said no.
bool PhoneBookDelete(TProjectInfo& project, int k, const TEmptyingCheck& mayEmpty = {});

} // namespace korvisel
