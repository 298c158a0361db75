// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RecentFiles.h"

#include <algorithm>

namespace korvisel {

void TRecentFiles::PutOnTop(const std::string& file) {
    std::erase(entries_, file);
    if (limit_ <= 0)
        return;
    if (static_cast<int>(entries_.size()) >= limit_)
        entries_.resize(static_cast<std::size_t>(limit_ - 1));
    entries_.insert(entries_.begin(), file);
}

void TRecentFiles::SetLimit(int limit) {
    limit = std::clamp(limit, 0, MaximumRecentFiles);
    if (static_cast<int>(entries_.size()) > limit)
        entries_.resize(static_cast<std::size_t>(limit));
    limit_ = limit;
}

void TRecentFiles::Replace(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    if (static_cast<int>(entries_.size()) > limit_)
        entries_.resize(static_cast<std::size_t>(limit_));
}

} // namespace korvisel
