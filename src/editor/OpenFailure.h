// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is told when a file (the user guide, the check report, a folder) could not be opened
// with the desktop's opener: what is missing, so that the user knows what to install or to look for.
#pragma once

#include "i18n/LanguageTexts.h"

#include <string>

namespace korvisel {

enum class TOpenFailure {
    FileMissing,   // the file to open is not there
    OpenerMissing, // xdg-open could not be started: xdg-utils is not installed
    OpenerFailed,  // xdg-open ran and failed, mostly for want of a program for such files
};

// `file` as the user knows it; `openerWords` what xdg-open said when it failed.
std::string OpenFailureText(const TLanguageTexts& texts, const std::string& file, TOpenFailure failure,
                            const std::string& openerWords = {});

} // namespace korvisel
