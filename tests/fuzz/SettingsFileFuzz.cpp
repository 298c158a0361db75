// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file: every line is kept or set aside, and what was kept writes out as a
// file that reads back whole, with nothing set aside.
#include "settings/RegistryData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const TRegistryData::TParsed parsed =
        TRegistryData::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string text = parsed.Data.Serialize();
    const TRegistryData::TParsed again = TRegistryData::Parse(text);
    if (!again.DamagedLines.empty() || again.Data.Serialize() != text)
        std::abort();
    return 0;
}
