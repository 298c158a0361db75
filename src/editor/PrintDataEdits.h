// SPDX-License-Identifier: GPL-3.0-or-later
// What the print-data pages do with what the user types. The print data is kept in no project file,
// so none of these marks the document modified. Texts are UTF-8; limits count characters.
#pragma once

#include "core/PrjTypes.h"
#include "core/SafeText.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// A text over 40 characters loses its first character and is cut to 40: typing at the end of a
// full field shifts it left. `Shifted` tells the edit to move its caret one place left.
struct TFortyRule {
    std::string Text;
    bool Shifted = false;
};
TFortyRule ApplyFortyCharacterRule(std::string_view text);

// The serial number is stored without leading and trailing blanks; the other texts as they stand.
void ChangeSerialNumber(TDopPrintInfo& print, std::string_view text);
void ChangeRegNumber(TDopPrintInfo& print, std::string_view text);
void ChangePowerOtherText(TDopPrintInfo& print, std::string_view text);
// A power-supply button: the kind changes, the other text is kept for when "other" comes back.
void ClickPowerKind(TDopPrintInfo& print, int kind);

// The comment memo takes no more characters once its lines hold 300.
constexpr std::size_t CommentLimit = 300;
bool CommentKeyAccepted(std::size_t charactersInMemo);
struct TCommentText {
    std::vector<std::string> Lines; // what the memo must show
    std::string Comment;            // every line followed by a carriage return
    bool Repaired = false;
};
// Keeps the first 300 characters over all lines. An empty last line is the memo's final line break
// (or an empty memo) and stores nothing.
TCommentText ApplyCommentRule(const std::vector<std::string>& lines);

// A comment given as one text with line breaks (LF, CR LF or CR), stored as the memo would store it.
std::string CommentFromText(std::string_view text);

} // namespace korvisel
