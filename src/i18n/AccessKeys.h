// SPDX-License-Identifier: GPL-3.0-or-later
// Access keys for the captions of one menu or of the menu bar, chosen when the captions are shown, so
// that every language file (a user's own too) gets them without marking its texts.
#pragma once

#include <string>
#include <vector>

namespace korvisel {

// The captions (UTF-8) each with one '&' before a letter or digit that no other caption of the list
// has, as a user expects it: the character a caption marks already, else the first letter of one of
// its words, else any letter or digit of it; a caption with nothing free keeps no mark. Captions are
// taken in order, each taking its best free key; "&&" stays a literal ampersand.
std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions);

} // namespace korvisel
