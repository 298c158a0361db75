// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LastBackupNote.h"

#include "core/SafeText.h"
#include "files/FileIo.h"

#include <algorithm>

namespace korvisel {
namespace {

std::string FileName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void TLastBackupNote::Kept(const TResult<std::string>& backup) {
    files_.clear();
    keptNone_ = !backup.Ok();
    failure_ = backup.Ok() ? std::string{} : EscapedText(backup.Reason());
    if (backup.Ok())
        files_.push_back(backup.Value());
}

void TLastBackupNote::KeptByRun(std::vector<std::string> files) {
    files_ = std::move(files);
    keptNone_ = files_.empty();
    failure_.clear();
}

void TLastBackupNote::ForgetDeleted() {
    std::erase_if(files_, [](const std::string& file) { return !PathExists(file); });
}

std::string TLastBackupNote::Text(const TLanguageTexts& texts) const {
    if (files_.empty())
        return keptNone_ ? texts.Text("PRG_BACKUP_NOTE_NONE") : std::string{};
    // A backup's name starts with when it was kept, so the greatest name is the newest copy.
    const auto newest = std::max_element(
        files_.begin(), files_.end(), [](const auto& a, const auto& b) { return FileName(a) < FileName(b); });
    // The folder and so the names come from the environment: nothing of them is shown raw.
    const std::string name = EscapedText(FileName(*newest));
    return files_.size() == 1
               ? WithArguments(texts.Text("PRG_BACKUP_NOTE_KEPT"), {name})
               : WithArguments(texts.Text("PRG_BACKUP_NOTE_RUN"), {std::to_string(files_.size()), name});
}

std::string TLastBackupNote::Tip(const TLanguageTexts& texts) const {
    if (files_.empty())
        return failure_.empty() ? std::string{}
                                : WithArguments(texts.Text("PRG_BACKUP_TIP_NONE"), {failure_});
    if (files_.size() == 1)
        return WithArguments(texts.Text("PRG_BACKUP_TIP_KEPT"), {EscapedText(files_.front())});
    std::string tip;
    for (const std::string& file : files_)
        tip += (tip.empty() ? "" : "\n") + EscapedText(file);
    return tip;
}

} // namespace korvisel
