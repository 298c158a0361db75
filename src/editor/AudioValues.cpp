// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AudioValues.h"

#include "fields/SettableRanges.h"

namespace korvisel {

TAudioValues AudioWorkingValues(const TProjectInfo& project) {
    TAudioValues values{};
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = project.AudioParams[n + 1];
    return values;
}

void AcceptAudioValues(TProjectInfo& project, const TAudioValues& values) {
    for (std::size_t n = 0; n < values.size(); ++n)
        project.AudioParams[n + 1] = values[n];
}

bool AudioValueShown(std::size_t parameter, std::uint8_t value) {
    return parameter < AudioRanges.size() && AudioRanges[parameter].Holds(value);
}

} // namespace korvisel
