// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BackupsDialog.h"

#include "core/SafeText.h"
#include "i18n/KeyedText.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvisel {
namespace {

TTextKey KindKey(const std::optional<TBackupKind>& kind) {
    if (!kind)
        return nullptr;
    switch (*kind) {
    case TBackupKind::Read:
        return "PRG_BACKUPS_READ";
    case TBackupKind::Written:
        return "PRG_BACKUPS_WRITTEN";
    default:
        return "PRG_BACKUPS_BEFORE_WRITE";
    }
}

} // namespace

TBackupsDialog::TBackupsDialog(const TLanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts), note_(new QLabel(this)), list_(new QTreeWidget(this)),
      open_(new QPushButton(this)), compare_(new QPushButton(this)), folderButton_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName("BackupsDialog");
    list_->setObjectName("BackupList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(5);
    note_->setWordWrap(true);
    open_->setObjectName("BackupOpen");
    compare_->setObjectName("BackupCompare");
    folderButton_->setObjectName("BackupFolder");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(compare_);
    buttons->addWidget(folderButton_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    connect(list_, &QTreeWidget::currentItemChanged, this, &TBackupsDialog::FollowSelection);
    connect(list_, &QTreeWidget::itemActivated, this, [this] {
        if (open_->isEnabled())
            open_->click();
    });
    connect(open_, &QPushButton::clicked, this, [this] {
        if (const TBackupEntry* entry = Chosen())
            emit OpenRequested(entry->Path);
    });
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (const TBackupEntry* entry = Chosen())
            emit CompareRequested(entry->Path);
    });
    connect(folderButton_, &QPushButton::clicked, this, [this] { emit FolderRequested(folder_); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    resize(620, 360);
    ApplyCaptions();
}

void TBackupsDialog::ShowFolder(const std::string& folder) {
    folder_ = folder;
    entries_ = ListBackups(folder);
    ApplyCaptions();
    Fill();
    show();
    raise();
    activateWindow();
}

void TBackupsDialog::ApplyCaptions() {
    setWindowTitle(Q(texts_.Text("PRG_BACKUPS_TITLE")));
    list_->setAccessibleName(windowTitle());
    list_->setHeaderLabels({Q(texts_.Text("PRG_BACKUPS_WHEN")), Q(texts_.Text("PRG_BACKUPS_KIND")),
                            Q(texts_.Text("PRG_BACKUPS_PORT")), Q(texts_.Text("PRG_BACKUPS_SIZE")),
                            QString()});
    open_->setText(Q(texts_.Text("PRG_BACKUPS_OPEN")));
    compare_->setText(Q(texts_.Text("PRG_BACKUPS_COMPARE")));
    folderButton_->setText(Q(texts_.Text("PRG_BACKUPS_FOLDER")));
    close_->setText(Q(texts_.Text("PRG_PREVIEW_CLOSE")));
    note_->setText(Q(entries_.empty()
                         ? texts_.Text("PRG_BACKUPS_NONE")
                         : WithArguments(texts_.Text("PRG_BACKUPS_KEPT"), {std::to_string(KeptBackups)})));
}

void TBackupsDialog::Fill() {
    list_->clear();
    for (const TBackupEntry& entry : entries_) {
        QString state;
        if (entry.Damage != TBackupDamage::None) {
            const std::string why =
                entry.Damage == TBackupDamage::Checksum     ? texts_.Text("PRG_BACKUPS_CHECKSUM")
                : entry.Damage == TBackupDamage::NotProject ? texts_.Text("PRG_BACKUPS_NOT_PROJECT")
                                                            : entry.Reason;
            state = Q(WithArguments(texts_.Text("PRG_BACKUPS_DAMAGED"), {why}));
        }
        const TTextKey kind = KindKey(entry.Kind);
        auto* item = new QTreeWidgetItem({Q(entry.When), kind ? Q(texts_.Text(kind)) : QString(),
                                          Q(entry.Port), Q(CountText(entry.Size, ByteKeys, texts_)), state});
        if (entry.Damage != TBackupDamage::None)
            item->setForeground(4, ReadableOn(0xB00020, list_->palette()));
        // The folder comes from the environment: nothing of it is shown raw.
        item->setToolTip(0, Q(EscapedText(entry.Path)));
        list_->addTopLevelItem(item);
    }
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    FollowSelection();
}

const TBackupEntry* TBackupsDialog::Chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return row >= 0 && static_cast<std::size_t>(row) < entries_.size()
               ? &entries_[static_cast<std::size_t>(row)]
               : nullptr;
}

void TBackupsDialog::FollowSelection() {
    const TBackupEntry* entry = Chosen();
    open_->setEnabled(entry && entry->Opens());
    compare_->setEnabled(entry && entry->Opens());
}

} // namespace korvisel
