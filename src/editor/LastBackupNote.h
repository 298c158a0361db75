// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's note of the copies of device settings the window kept last: the copy of the last
// transfer, or the copies of the last run on several devices, named only while they are on disk.
#pragma once

#include "core/Result.h"
#include "i18n/LanguageTexts.h"

#include <string>
#include <vector>

namespace korvisel {

class TLastBackupNote {
public:
    // A transfer kept its copy, or could not.
    void Kept(const TResult<std::string>& backup);
    // A run on several devices ended, having kept these copies (perhaps none).
    void KeptByRun(std::vector<std::string> files);
    // Forgets the copies deleted since they were kept.
    void ForgetDeleted();

    // "Copy kept: <file>", "3 copies kept, the last: <file>", "No copy kept", or nothing at all
    // before the first transfer and once every copy named is gone.
    std::string Text(const TLanguageTexts& texts) const;
    // Where the copies are, or why none was kept.
    std::string Tip(const TLanguageTexts& texts) const;

private:
    std::vector<std::string> files_;
    bool keptNone_ = false;
    std::string failure_; // why the last transfer kept no copy
};

} // namespace korvisel
