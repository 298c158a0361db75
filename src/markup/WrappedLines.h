// SPDX-License-Identifier: GPL-3.0-or-later
// A list's lines broken to its width, for the description under each page: a long sentence goes on
// in the next row instead of being cut at the list's edge.
#pragma once

#include "markup/Markup.h"

#include <string>
#include <vector>

namespace korvisel {

// Each line broken at blanks so that every row fits `width` pixels in the list's font; a word wider
// than that stays whole on a row of its own. A width of 0 or less leaves the lines as they are.
std::vector<std::string> WrappedLines(const std::vector<std::string>& lines, int width,
                                      const TMarkupFont& listFont, IFontMetrics& metrics);

} // namespace korvisel
