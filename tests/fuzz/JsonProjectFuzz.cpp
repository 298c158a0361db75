// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a JSON project: the reader answers with a message or a project, never crashes, and a
// project it read writes as JSON that reads back into the same device image.
#include "fields/DeviceImage.h"
#include "json/ProjectJson.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    TProjectInfo project;
    TDopPrintInfo print;
    std::vector<std::string> warnings;
    if (ProjectFromJson(std::string(reinterpret_cast<const char*>(data), size), project, &print, &warnings))
        return 0;
    TProjectInfo again;
    if (ProjectFromJson(ProjectToJson(project), again))
        std::abort();
    TDeviceImage first{}, second{};
    PackImage(project, first);
    PackImage(again, second);
    if (first != second)
        std::abort();
    return 0;
}
