// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder for one test, removed with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::string& path, std::string_view text);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
// The names of the entries of a folder, sorted.
std::vector<std::string> FilesIn(const std::string& folder);

} // namespace korvisel::test
