// SPDX-License-Identifier: GPL-3.0-or-later
// A file dialog's filter in the interface's language: the files of one kind, then every file.
#pragma once

#include "i18n/LanguageTexts.h"
#include "ui/widgets/QtText.h"

namespace korvisel {

inline QString FileFilter(const TLanguageTexts& texts, TTextKey kind) {
    return Q(texts.Text(kind)) + ";;" + Q(texts.Text("PRG_FILTER_ALL"));
}

} // namespace korvisel
