// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (standard buttons, the file and print dialogs) in the interface's language, from
// the translations Qt ships (Debian: qt6-translations-l10n).
#pragma once

#include "i18n/Registrations.h"

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace korvisel {

// The language of a language file: its [Main] Locale, else the language its English name names;
// the C locale for the built-in English and for a name Qt does not know.
QLocale LocaleOfLanguage(const TLanguageInfo& language);

// The desktop's language, for the first start's choice.
TDesktopLanguage DesktopLanguage();

class TQtTranslations {
public:
    // Installs Qt's translation for the language, or removes it for English; a language Qt has no
    // translation for leaves Qt's texts in English.
    void Apply(const TLanguageInfo& language);
    QLocale Current() const { return current_; }

private:
    QLocale current_ = QLocale::c();
    std::unique_ptr<QTranslator> translator_;
};

} // namespace korvisel
