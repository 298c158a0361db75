// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SaveTemplateDialog.h"

#include "editor/NodeCaption.h"
#include "i18n/KeyedText.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/SpokenTreeItem.h"
#include "json/TemplateFolder.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace korvisel {
namespace {

enum TColumn { SettingColumn, LabelColumn, DefaultColumn };

// The field's name rides on its row, the rows being the fields the user ticks.
constexpr int FieldRole = Qt::UserRole;

// Beyond this a label is cut short, so that the Default column stays in sight.
constexpr int LongestLabelWidth = 260;

} // namespace

TSaveTemplateDialog::TSaveTemplateDialog(const TProjectInfo& project, const TSiteOrigin& origin,
                                         const TNavigationTree& tree, const TLanguageTexts& texts,
                                         std::string folder, QWidget* parent)
    : QDialog(parent), project_(project), texts_(texts), folder_(std::move(folder)),
      name_(new QLineEdit(this)), note_(new QLabel(this)), fields_(new QTreeWidget(this)),
      save_(new QPushButton(this)) {
    setObjectName("SaveTemplateDialog");
    setWindowTitle(Q(texts.Text("PRG_TEMPLATE_SAVE_TITLE")));
    auto* nameLabel = new QLabel(Q(texts.Text("PRG_TEMPLATE_NAME")), this);
    nameLabel->setBuddy(name_);
    name_->setObjectName("TemplateName");
    name_->setMaxLength(static_cast<int>(TemplateNameLimit));
    name_->setAccessibleName(Q(texts.Text("PRG_TEMPLATE_NAME")));
    note_->setObjectName("TemplateNote");
    note_->setWordWrap(true);
    auto* fieldsLabel = new QLabel(Q(texts.Text("PRG_TEMPLATE_FIELDS")), this);
    fieldsLabel->setWordWrap(true);
    fieldsLabel->setBuddy(fields_);
    fields_->setObjectName("TemplateFields");
    fields_->setAccessibleName(Q(texts.Text("PRG_TEMPLATE_FIELDS")));
    fields_->setHeaderLabels({Q(texts.Text("PRG_TEMPLATE_SETTING")), Q(texts.Text("PRG_TEMPLATE_LABEL")),
                              Q(texts.Text("PRG_TEMPLATE_DEFAULT"))});
    fields_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    fields_->header()->setSectionResizeMode(QHeaderView::Interactive);
    save_->setObjectName("TemplateSave");
    save_->setText(Q(texts.Text("PRG_TEMPLATE_SAVE")));
    save_->setDefault(true);
    auto* cancel = new QPushButton(Q(texts.Text("PRG_CANCEL")), this);
    cancel->setObjectName("TemplateCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(name_);
    layout->addWidget(note_);
    layout->addWidget(fieldsLabel);
    layout->addWidget(fields_, 1);
    layout->addLayout(buttons);
    fields_->installEventFilter(this);
    connect(name_, &QLineEdit::textChanged, this, &TSaveTemplateDialog::FollowName);
    connect(save_, &QPushButton::clicked, this, &TSaveTemplateDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Fill(origin, tree);
    name_->setText(Q(origin.Template));
    FollowName();
    resize(780, 560);
}

QTreeWidgetItem* TSaveTemplateDialog::GroupItem(const std::vector<int>& path, std::size_t depth,
                                                const TNavigationTree& tree) {
    const int node = path[depth];
    const auto known =
        std::find_if(groups_.begin(), groups_.end(), [&](const auto& g) { return g.first == node; });
    if (known != groups_.end())
        return known->second;
    auto* item = depth == 0 ? new TSpokenTreeItem(fields_, texts_)
                            : new TSpokenTreeItem(GroupItem(path, depth - 1, tree), texts_);
    item->setText(SettingColumn, Q(NodeCaption(tree.Node(node).Data, texts_)));
    item->setFlags(Qt::ItemIsEnabled);
    item->setExpanded(true);
    groups_.emplace_back(node, item);
    return item;
}

void TSaveTemplateDialog::Fill(const TSiteOrigin& origin, const TNavigationTree& tree) {
    choices_ = TemplateChoices(project_, tree, texts_);
    for (const TTemplateChoice& choice : choices_) {
        QTreeWidgetItem* parent =
            choice.Path.empty() ? nullptr : GroupItem(choice.Path, choice.Path.size() - 1, tree);
        auto* item = parent ? new TSpokenTreeItem(parent, texts_) : new TSpokenTreeItem(fields_, texts_);
        item->setText(SettingColumn, Q(choice.Caption));
        item->setToolTip(SettingColumn, Q(choice.Field));
        item->setText(LabelColumn, Q(choice.Label));
        item->setData(SettingColumn, FieldRole, Q(choice.Field));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       Qt::ItemIsEditable);
        const bool given = std::any_of(origin.Values.begin(), origin.Values.end(),
                                       [&](const auto& value) { return value.first == choice.Field; });
        item->setCheckState(SettingColumn, given ? Qt::Checked : Qt::Unchecked);
    }
    TakeOver(origin);
    fields_->expandAll();
    fields_->resizeColumnToContents(SettingColumn);
    fields_->resizeColumnToContents(LabelColumn);
    fields_->setColumnWidth(LabelColumn, std::min(fields_->columnWidth(LabelColumn), LongestLabelWidth));
    if (QTreeWidgetItem* first = fields_->topLevelItem(0))
        fields_->setCurrentItem(first);
}

void TSaveTemplateDialog::TakeOver(const TSiteOrigin& origin) {
    if (origin.Template.empty())
        return;
    // Saving a site's project over its template keeps the template's own questions and defaults.
    const TResult<TSiteTemplate> kept = LoadTemplateFile(TemplateFilePath(folder_, origin.Template));
    if (!kept.Ok() || kept.Value().Name != origin.Template)
        return;
    for (const TTemplateField& field : kept.Value().Fields)
        for (QTreeWidgetItemIterator it(fields_); *it; ++it)
            if ((*it)->data(SettingColumn, FieldRole).toString().toStdString() == field.Field) {
                (*it)->setCheckState(SettingColumn, Qt::Checked);
                (*it)->setText(LabelColumn, Q(field.Label));
                (*it)->setText(DefaultColumn, field.Default ? Q(*field.Default) : QString());
            }
}

TSiteTemplate TSaveTemplateDialog::Made() const {
    TSiteTemplate made{name_->text().trimmed().toStdString(), {}, project_};
    for (QTreeWidgetItemIterator it(fields_, QTreeWidgetItemIterator::Checked); *it; ++it) {
        const QTreeWidgetItem* item = *it;
        const QString defaultText = item->text(DefaultColumn);
        made.Fields.push_back(
            {item->data(SettingColumn, FieldRole).toString().toStdString(),
             item->text(LabelColumn).trimmed().toStdString(),
             defaultText.isEmpty() ? std::nullopt : std::optional(defaultText.toStdString())});
    }
    return made;
}

bool TSaveTemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    // Space ticks the row whichever of its cells is current, not only its first; while a cell is
    // edited, the keys go to its editor.
    if (watched == fields_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
        if (QTreeWidgetItem* row = fields_->currentItem(); row && (row->flags() & Qt::ItemIsUserCheckable)) {
            row->setCheckState(SettingColumn,
                               row->checkState(SettingColumn) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return true;
        }
    return QDialog::eventFilter(watched, event);
}

void TSaveTemplateDialog::FollowName() {
    const std::string name = name_->text().trimmed().toStdString();
    const bool exists = !name.empty() && QFileInfo::exists(Q(TemplateFilePath(folder_, name)));
    note_->setText(exists ? Q(WithArguments(texts_.Text("PRG_TEMPLATE_REPLACES"), {name})) : QString());
    save_->setEnabled(!name.empty());
}

void TSaveTemplateDialog::Save() {
    const TSiteTemplate made = Made();
    if (const TKeyedText refusal = TemplateRefusal(made, choices_); !refusal.Empty()) {
        note_->setText(Q(TextOf(refusal, texts_)));
        return;
    }
    const TResult<std::string> saved = SaveTemplateFile(folder_, made);
    if (!saved.Ok()) {
        note_->setText(Q(WithArguments(texts_.Text("PRG_TEMPLATE_NOT_SAVED"), {saved.Reason()})));
        return;
    }
    savedPath_ = saved.Value();
    accept();
}

} // namespace korvisel
