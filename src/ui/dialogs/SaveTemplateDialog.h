// SPDX-License-Identifier: GPL-3.0-or-later
// File > Save as Template: the template's name and the settings each site gives, ticked in a list
// grouped as the tree groups them, each with the label the installer will see and an optional
// default. Save checks the template and keeps it in the templates folder.
#pragma once

#include "editor/TemplateForms.h"
#include "fields/SiteTemplate.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvisel {

class TSaveTemplateDialog : public QDialog {
    Q_OBJECT
public:
    // The fields `origin` names come ticked and its template's name is offered.
    TSaveTemplateDialog(const TProjectInfo& project, const TSiteOrigin& origin, const TNavigationTree& tree,
                        const TLanguageTexts& texts, std::string folder, QWidget* parent);

    // The file the template was kept in, once Save succeeded.
    const std::string& SavedPath() const { return savedPath_; }
    QLineEdit* NameEdit() const { return name_; }
    QTreeWidget* FieldList() const { return fields_; }
    QPushButton* SaveButton() const { return save_; }
    QLabel* Note() const { return note_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(const TSiteOrigin& origin, const TNavigationTree& tree);
    QTreeWidgetItem* GroupItem(const std::vector<int>& path, std::size_t depth, const TNavigationTree& tree);
    // The ticks, labels and defaults of the template the project was made from, when it is kept.
    void TakeOver(const TSiteOrigin& origin);
    TSiteTemplate Made() const;
    void FollowName();
    void Save();

    const TProjectInfo project_;
    const TLanguageTexts& texts_;
    const std::string folder_;
    std::vector<TTemplateChoice> choices_;
    std::vector<std::pair<int, QTreeWidgetItem*>> groups_;
    std::string savedPath_;
    QLineEdit* name_;
    QLabel* note_;
    QTreeWidget* fields_;
    QPushButton* save_;
};

} // namespace korvisel
