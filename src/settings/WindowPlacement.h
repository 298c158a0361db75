// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window was on screen when the program ended, and whether it was maximised, so that
// the next run opens it the same way.
#pragma once

#include "core/ScreenArea.h"
#include "settings/SettingsStore.h"

#include <optional>

namespace korvisel {

struct TWindowPlacement {
    // The frame's top-left corner and the window's size without its frame, as it was before any
    // maximising.
    TScreenRect Normal;
    bool Maximized = false;

    bool operator==(const TWindowPlacement&) const = default;
};

// Nothing until a run stored a placement, and for values no window could have had.
std::optional<TWindowPlacement> ReadWindowPlacement(TSettingsStore& store);
void WriteWindowPlacement(TSettingsStore& store, const TWindowPlacement& placement);

} // namespace korvisel
