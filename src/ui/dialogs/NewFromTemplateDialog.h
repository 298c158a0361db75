// SPDX-License-Identifier: GPL-3.0-or-later
// File > New from Template: a template of the templates folder (or any template file), the site's
// name, and one edit per setting the template leaves to its sites, each letting through what its page
// does; OK is offered once every value can stand.
#pragma once

#include "fields/SiteTemplate.h"
#include "i18n/LanguageTexts.h"
#include "json/TemplateFolder.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace korvisel {

class TNewFromTemplateDialog : public QDialog {
    Q_OBJECT
public:
    using TFileChooser = std::function<std::optional<std::string>()>;
    TNewFromTemplateDialog(const TLanguageTexts& texts, std::string folder, TFileChooser chooseFile,
                           QWidget* parent);

    // What the user chose and gave, once the dialog was accepted.
    const TSiteTemplate& Chosen() const { return *chosen_; }
    std::string Site() const;
    TSiteValues Values() const;

    QComboBox* TemplateBox() const { return templates_; }
    QPushButton* FileButton() const { return fileButton_; }
    QLineEdit* SiteEdit() const { return site_; }
    QPushButton* OkButton() const { return ok_; }
    QLabel* Note() const { return note_; }
    // The value edits in the template's order.
    std::vector<QLineEdit*> ValueEdits() const;

private:
    void ListFolder();
    void ChooseListed(int index);
    void ChooseFile();
    void Show(TResult<TSiteTemplate> read);
    void BuildForm();
    void FollowValues();

    struct TValueRow {
        TTemplateField Field;
        QLineEdit* Edit;
        QLabel* Problem;
    };

    const TLanguageTexts& texts_;
    const std::string folder_;
    TFileChooser chooseFile_;
    std::vector<TTemplateEntry> entries_;
    std::optional<TSiteTemplate> chosen_;
    std::vector<TValueRow> rows_;
    QComboBox* templates_;
    QPushButton* fileButton_;
    QLabel* note_;
    QLineEdit* site_;
    QWidget* form_;
    QFormLayout* formLayout_;
    QPushButton* ok_;
};

} // namespace korvisel
