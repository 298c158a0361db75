// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/AudioValues.h"

namespace korvisel {

TAudioValues AudioWorkingValues(const TProjectInfo& project) {
    TAudioValues values{};
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = project.AudioParams[n + 1];
    return values;
}

void AcceptAudioValues(TDocument& document, const TAudioValues& values) {
    document.Change([&](TProjectInfo& project) {
        for (std::size_t n = 0; n < values.size(); ++n)
            project.AudioParams[n + 1] = values[n];
    });
}

} // namespace korvisel
