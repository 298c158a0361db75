// SPDX-License-Identifier: GPL-3.0-or-later
// The "Code Library" dialog: every Contact ID event code with its English and Russian meaning, a
// filter box that narrows the rows as the user types, OK or a double click to take a code.
#pragma once

#include "core/ContactIdCodes.h"
#include "i18n/LanguageTexts.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvisel {

class TCodeLibraryForm : public QDialog, public ICodeLibraryDialog {
    Q_OBJECT
public:
    TCodeLibraryForm(const TLanguageTexts& texts, QWidget* parent = nullptr);

    // Opens with an empty filter and `current` selected when the library has it.
    std::optional<std::string> ChooseCode(const std::string& current) override;

    QLineEdit* Filter() const { return filter_; }
    QTreeWidget* List() const { return list_; }
    QPushButton* OkButton() const { return ok_; }
    // The code of the selected row; empty when no row is selected.
    std::string SelectedCode() const;
    // The codes of the rows the filter leaves, top to bottom.
    std::vector<std::string> ShownCodes() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyTexts();
    void ApplyFilter(const QString& text);
    void Select(QTreeWidgetItem* item);
    QTreeWidgetItem* FirstShown() const;

    const TLanguageTexts& texts_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QPushButton* ok_;
};

} // namespace korvisel
