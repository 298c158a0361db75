// SPDX-License-Identifier: GPL-3.0-or-later
// What an SMS memo accepts: characters of the SMS table, ten at most over all its lines, stored as
// one text without line breaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// A typed character (not backspace or Enter, which always pass) is accepted when the SMS table holds
// it and the memo's lines hold fewer than ten characters.
bool SmsKeyAccepted(char key, std::size_t charactersInMemo);

std::size_t SmsMemoCharacterCount(const std::vector<std::string>& lines);
// How many more characters the memo takes; none while it shows more than an SMS text holds.
std::size_t SmsCharactersLeft(const std::vector<std::string>& lines);

struct TSmsMemoText {
    std::vector<std::string> Lines; // what the memo must show
    std::string Stored;             // what the project keeps
    bool Repaired = false;          // some line lost characters
};

// Keeps, over all lines in order, the first ten characters that the SMS table holds.
TSmsMemoText ApplySmsMemoRule(const std::vector<std::string>& lines);

// A stored text as the memo shows it before the user types: printable ASCII as it is, any other
// byte and the backslash as \xHH, so that nothing the device holds is hidden or taken for another
// character. Display only: the rule applies to the stored text, never to this.
std::string SmsTextShown(std::string_view stored);

} // namespace korvisel
