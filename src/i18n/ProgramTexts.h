// SPDX-License-Identifier: GPL-3.0-or-later
// The interface texts of what this program does beyond the device's original tool: keys of their
// own, in a language file's [Program] section, so that translating them never touches the others.
#pragma once

#include <array>
#include <cstddef>

namespace korvisel {

struct TProgramText {
    const char* Key;
    const char* Text; // built-in English
};

constexpr std::size_t ProgramTextCount = 35;

extern const std::array<TProgramText, ProgramTextCount> ProgramTexts;

} // namespace korvisel
