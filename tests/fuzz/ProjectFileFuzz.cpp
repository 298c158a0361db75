// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a project file: the reader never fails other than with a message, and what it read
// is written back as a file that reads again into the same image.
#include "files/ProjectFile.h"

#include "ScratchFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    const std::string path = fuzz::ScratchFile(data, size, "input.KV690");
    TDeviceImage incoming{};
    TProjectInfo project;
    if (!ReadProjectFile(path, incoming, project).Ok())
        return 0;
    const std::vector<std::uint8_t> bytes = ProjectFileBytes(incoming);
    const std::string again = fuzz::ScratchFile(bytes.data(), bytes.size(), "again.KV690");
    TDeviceImage reread{};
    TProjectInfo rereadProject;
    if (!ReadProjectFile(again, reread, rereadProject).Ok() || reread != incoming)
        std::abort();
    return 0;
}
