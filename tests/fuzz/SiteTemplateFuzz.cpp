// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a template file: the reader answers with a message or a template, never crashes, and a
// template it read writes out as one that reads back the same.
#include "fields/DeviceImage.h"
#include "json/SiteTemplateJson.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const TResult<TSiteTemplate> read =
        SiteTemplateFromJson(std::string(reinterpret_cast<const char*>(data), size));
    if (!read.Ok())
        return 0;
    const TResult<TSiteTemplate> again = SiteTemplateFromJson(SiteTemplateToJson(read.Value()));
    if (!again.Ok() || again.Value().Name != read.Value().Name || again.Value().Fields != read.Value().Fields)
        std::abort();
    TDeviceImage first{}, second{};
    PackImage(read.Value().Project, first);
    PackImage(again.Value().Project, second);
    if (first != second)
        std::abort();
    return 0;
}
