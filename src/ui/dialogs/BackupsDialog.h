// SPDX-License-Identifier: GPL-3.0-or-later
// The backups folder: every copy of device settings the program kept, newest first, with when, at
// what, on which port and its size; a damaged one says so. Open, Compare and Show in Folder ask the
// window to act on the chosen one.
#pragma once

#include "files/BackupList.h"
#include "i18n/LanguageTexts.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace korvisel {

class TBackupsDialog : public QDialog {
    Q_OBJECT
public:
    TBackupsDialog(const TLanguageTexts& texts, QWidget* parent);

    // Lists `folder` as it is now and shows the dialog without waiting, so that a comparison can be
    // looked at beside it.
    void ShowFolder(const std::string& folder);
    QTreeWidget* List() const { return list_; }
    QPushButton* OpenButton() const { return open_; }
    QPushButton* CompareButton() const { return compare_; }
    QPushButton* FolderButton() const { return folderButton_; }

signals:
    // The window closes the list once the backup is open.
    void OpenRequested(const std::string& path);
    void CompareRequested(const std::string& path);
    void FolderRequested(const std::string& folder);

private:
    void ApplyCaptions();
    void Fill();
    void FollowSelection();
    const TBackupEntry* Chosen() const;

    const TLanguageTexts& texts_;
    QLabel* note_;
    QTreeWidget* list_;
    QPushButton* open_;
    QPushButton* compare_;
    QPushButton* folderButton_;
    QPushButton* close_;
    std::string folder_;
    std::vector<TBackupEntry> entries_;
};

} // namespace korvisel
