// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/QtTranslations.h"

#include "i18n/IniFile.h"
#include "ui/widgets/QtText.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace korvisel {

QLocale LocaleOfLanguage(const TLanguageInfo& language) {
    if (language.IsDefault || language.Path.empty())
        return QLocale::c();
    if (const std::string code = LanguageFileLocale(language.Path); !code.empty())
        return QLocale(Q(code));
    const QString name = Q(language.Name);
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l)
        if (QLocale::languageToString(static_cast<QLocale::Language>(l)).compare(name, Qt::CaseInsensitive) ==
            0)
            return QLocale(static_cast<QLocale::Language>(l));
    return QLocale::c();
}

TDesktopLanguage DesktopLanguage() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return {};
    return {system.name().section('_', 0, 0).toStdString(),
            QLocale::languageToString(system.language()).toStdString()};
}

void TQtTranslations::Apply(const TLanguageInfo& language) {
    const QLocale locale = LocaleOfLanguage(language);
    if (locale == current_)
        return;
    current_ = locale;
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        translator_ = std::move(translator);
    }
}

} // namespace korvisel
