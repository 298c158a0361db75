// SPDX-License-Identifier: GPL-3.0-or-later
// A font whose characters are all (size - 2) pixels wide and whose text is size + 5 pixels high:
// 6 and 13 at the lists' 8 points, so layouts can be checked by hand.
#pragma once

#include "markup/Markup.h"

namespace korvisel::test {

class FixedFont : public IFontMetrics {
public:
    int TextWidth(std::string_view text, const TMarkupFont& font) override {
        return static_cast<int>(text.size()) * (font.Size - 2);
    }
    int TextHeight(std::string_view, const TMarkupFont& font) override { return font.Size + 5; }
};

} // namespace korvisel::test
