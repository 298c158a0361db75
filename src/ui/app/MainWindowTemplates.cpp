// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's templates: File > Save as Template and File > New from Template.
#include "ui/app/MainWindow.h"

#include "ui/dialogs/NewFromTemplateDialog.h"
#include "ui/dialogs/SaveTemplateDialog.h"
#include "ui/widgets/FileFilter.h"
#include "ui/widgets/QtText.h"
#include "json/TemplateFolder.h"

#include <QFileDialog>
#include <QStatusBar>

namespace korvisel {
namespace {

// Long enough to read a path.
constexpr int SavedNoteMilliseconds = 10000;

} // namespace

void TApplicationForm::SaveAsTemplate() {
    TSaveTemplateDialog dialog(document_.Project(), document_.Origin, tree_, texts_, TemplatesFolder(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    statusBar()->showMessage(Q(WithArguments(texts_.Text("PRG_TEMPLATE_SAVED"), {dialog.SavedPath()})),
                             SavedNoteMilliseconds);
}

void TApplicationForm::NewFromTemplate() {
    const auto chooseFile = [this]() -> std::optional<std::string> {
        const QString file = QFileDialog::getOpenFileName(this, {}, Q(TemplatesFolder()),
                                                          FileFilter(texts_, "PRG_FILTER_TEMPLATES"));
        return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
    };
    TNewFromTemplateDialog dialog(texts_, TemplatesFolder(), chooseFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    commands_->NewFromTemplate(dialog.Chosen(), dialog.Site(), dialog.Values(),
                               CurrentPlace(nullptr, "PRG_TEMPLATE_NEW"));
}

} // namespace korvisel
