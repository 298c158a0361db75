// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowPlacement.h"

#include <cstdint>

namespace korvisel {
namespace {

constexpr const char* Key = RegistryKey::Settings;
// Larger than any screen; a larger stored size is a damaged value, not a window.
constexpr int LargestSide = 100000;

// Positions left of or above the first screen are negative; a DWORD keeps their two's complement.
std::optional<int> ReadInt(TSettingsStore& store, const char* name) {
    const auto value = store.ReadDword(Key, name);
    if (!value)
        return std::nullopt;
    return static_cast<int>(static_cast<std::int32_t>(*value));
}

TRegValue IntValue(int value) {
    return TRegValue::Dword(static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
}

bool Plausible(int value) {
    return value > -LargestSide && value < LargestSide;
}

} // namespace

std::optional<TWindowPlacement> ReadWindowPlacement(TSettingsStore& store) {
    const auto x = ReadInt(store, "WindowLeft");
    const auto y = ReadInt(store, "WindowTop");
    const auto width = ReadInt(store, "WindowWidth");
    const auto height = ReadInt(store, "WindowHeight");
    if (!x || !y || !width || !height)
        return std::nullopt;
    if (!Plausible(*x) || !Plausible(*y) || *width <= 0 || *height <= 0 || !Plausible(*width) ||
        !Plausible(*height))
        return std::nullopt;
    return TWindowPlacement{{*x, *y, *width, *height},
                            store.ReadDword(Key, "WindowMaximized").value_or(0) != 0};
}

void WriteWindowPlacement(TSettingsStore& store, const TWindowPlacement& placement) {
    store.Update([&](TRegistryData& data) {
        data.Set(Key, "WindowLeft", IntValue(placement.Normal.X));
        data.Set(Key, "WindowTop", IntValue(placement.Normal.Y));
        data.Set(Key, "WindowWidth", IntValue(placement.Normal.Width));
        data.Set(Key, "WindowHeight", IntValue(placement.Normal.Height));
        data.Set(Key, "WindowMaximized", TRegValue::Dword(placement.Maximized ? 1 : 0));
    });
}

} // namespace korvisel
