// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OpenFailure.h"

namespace korvisel {

std::string OpenFailureText(const TLanguageTexts& texts, const std::string& file, TOpenFailure failure,
                            const std::string& openerWords) {
    switch (failure) {
    case TOpenFailure::FileMissing:
        return WithArguments(texts.Text("PRG_CANNOT_OPEN"), {file, texts.Text("PRG_FILE_MISSING")});
    case TOpenFailure::OpenerMissing:
        return WithArguments(texts.Text("PRG_OPENER_MISSING"), {file});
    case TOpenFailure::OpenerFailed:
        break;
    }
    return WithArguments(texts.Text("PRG_CANNOT_OPEN"), {file, openerWords});
}

} // namespace korvisel
