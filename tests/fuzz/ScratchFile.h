// SPDX-License-Identifier: GPL-3.0-or-later
// A file holding the fuzzer's input, for the readers that take a file name. One per process, in a
// folder of its own that is removed when the process ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace korvisel::fuzz {

inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() / ("korvisel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        static const std::string removed = path.string();
        std::atexit([] { std::filesystem::remove_all(removed); });
        return path.string();
    }();
    return folder;
}

inline std::string ScratchFile(const std::uint8_t* data, std::size_t size, const std::string& name) {
    const std::string path = ScratchFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    std::fclose(file);
    return path;
}

} // namespace korvisel::fuzz
