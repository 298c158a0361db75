// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an older ".KRV" project file.
#include "files/OldProjectFile.h"

#include "ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const std::string path = fuzz::ScratchFile(data, size, "input.KRV");
    TDeviceImage incoming{};
    TProjectInfo project;
    ReadOldProjectFile(path, incoming, project);
    return 0;
}
