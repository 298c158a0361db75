// SPDX-License-Identifier: GPL-3.0-or-later
// The recently used project files, most recent first, with the length the user chose.
#pragma once

#include <string>
#include <vector>

namespace korvisel {

constexpr int DefaultRecentFilesLength = 4;
// The most that the settings keep (File1 ... File16).
constexpr int MaximumRecentFiles = 16;

class TRecentFiles {
public:
    int Limit() const { return limit_; }
    const std::vector<std::string>& Entries() const { return entries_; }

    // Puts a file on top. A file already listed moves up rather than appearing twice; when the list
    // is full, its oldest entry makes room.
    void PutOnTop(const std::string& file);
    // A shorter length drops the oldest entries at once; a longer one does not bring them back.
    void SetLimit(int limit);
    // The stored list as loaded, in order.
    void Replace(std::vector<std::string> entries);

private:
    int limit_ = DefaultRecentFilesLength;
    std::vector<std::string> entries_;
};

} // namespace korvisel
