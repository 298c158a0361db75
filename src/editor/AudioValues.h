// SPDX-License-Identifier: GPL-3.0-or-later
// The audio parameters dialog's working values: copied from the project when it opens, and back
// only when it is accepted, inside one edit of the document.
#pragma once

#include "core/PrjTypes.h"
#include "texts/TextKey.h"

#include <array>
#include <cstdint>

namespace korvisel {

struct TAudioParameter {
    TTextKey Label;
    std::uint32_t Min;
    std::uint32_t Max;
};
inline constexpr std::array<TAudioParameter, 4> AudioParameters = {{
    {"PRG_AUDIO_TX", 0, 4},
    {"PRG_AUDIO_RX", 0, 4},
    {"PRG_AUDIO_SENSITIVITY", 0, 9},
    {"PRG_AUDIO_TIMEOUT", 1, 9},
}};

using TAudioValues = std::array<std::uint8_t, 4>;

TAudioValues AudioWorkingValues(const TProjectInfo& project);
// The working values of an accepted dialog go into the project.
void AcceptAudioValues(TProjectInfo& project, const TAudioValues& values);
// A value a parameter's edit can show (a file another program wrote may hold others).
bool AudioValueShown(std::size_t parameter, std::uint8_t value);

} // namespace korvisel
