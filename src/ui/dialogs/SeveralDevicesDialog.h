// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices: every port with why it cannot take part, tick boxes, and while the batch
// runs one row of progress per device, fed from the transfers' threads; each device's result at the
// end. The window goes on drawing and Stop answers while the devices are written. With a sites table
// each port's row names its site, and each device is written with its own site's project.
#pragma once

#include "link/BatchTransfer.h"
#include "link/SeveralDevices.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvisel {

class TDocument;
class TLanguageTexts;
struct TOfferedSites;

class TSeveralDevicesDialog : public QDialog {
    Q_OBJECT
public:
    // A sites table is applied to `document`'s project, which it only reads.
    TSeveralDevicesDialog(const TLanguageTexts& texts, const TDocument& document, QWidget* parent);
    ~TSeveralDevicesDialog() override;

    // Lists the ports and shows the dialog over the window without waiting.
    void Offer(const std::vector<TOfferedPort>& ports, const std::string& lineSettings, bool copyFirst);
    // Ports came or went while the list is open: a row whose port changed shows it anew (its tick stays
    // while the port can be used), the others keep their tick or result. Not while a batch runs.
    void FollowPorts(const std::vector<TOfferedPort>& ports);
    // Writes the ticked ports' devices with `job`, each with its own site's block when a sites table
    // is open; returns at once.
    void Run(TBatchJob job);
    // The check refused the write that Start asked for.
    void TellRefused();
    bool Running() const { return worker_.joinable(); }
    std::vector<std::string> TickedPorts() const;
    // A sites table gives the devices their projects: the open project is only its template.
    bool WithSites() const { return sites_ != nullptr; }

    // The table file Sites Table opens; empty when the user chose none. A file dialog unless a test
    // sets another.
    std::function<std::string()> SitesFileChooser;

    QTreeWidget* List() const { return list_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QLabel* Note() const { return note_; }
    QPushButton* SitesButton() const { return sitesOpen_; }
    QPushButton* ClearSitesButton() const { return sitesClear_; }
    QLabel* SitesSummaryLabel() const { return sitesSummary_; }
    QPlainTextEdit* SitesNotesBox() const { return sitesNotes_; }
    // The list of sites on a port's row; none while no table is open or the table's Port column rules.
    QComboBox* SiteBox(const std::string& port) const;

signals:
    // Start was clicked with these ports ticked: the window checks the project (a sites table's rows
    // were checked as it was applied) and calls Run.
    void StartRequested(const std::vector<std::string>& ports);
    void Finished(const std::vector<TBatchResult>& results);

public slots:
    void reject() override;

private:
    friend class TDialogProgress;
    void ApplyCaptions();
    void ShowRows();
    void ShowPort(QTreeWidgetItem* item, const TOfferedPort& port);
    void FollowTicks();
    std::vector<bool> Ticks() const;
    void OpenSitesTable();
    void ClearSites();
    void TickTablePorts();
    void ShowSites();
    void ShowSiteCell(std::size_t row);
    void ChooseSite(std::size_t row, int index);
    void EnableSites(bool enabled);
    QTreeWidgetItem* Row(std::size_t batchRow) const;
    QProgressBar* Bar(QTreeWidgetItem* item) const;
    void ShowStep(std::size_t row, const QString& step);
    void ShowPercent(std::size_t row, int percent);
    void ShowEnded(std::size_t row, const TBatchResult& result);
    void End(const std::vector<TBatchResult>& results);

    const TLanguageTexts& texts_;
    const TDocument& document_;
    QLabel* line_;
    QLabel* sitesSummary_;
    QPushButton* sitesOpen_;
    QPushButton* sitesClear_;
    QLabel* sitesNotesCaption_;
    QPlainTextEdit* sitesNotes_;
    QTreeWidget* list_;
    QLabel* note_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* close_;
    std::vector<TOfferedPort> ports_;
    std::vector<std::string> running_; // the ports of the batch, in its row order
    std::unique_ptr<TOfferedSites> sites_;
    std::string sitesFailure_;                        // why the last table chosen could not be used
    std::vector<std::optional<std::size_t>> choices_; // each port row's site
    bool showingSites_ = false;
    bool batchSites_ = false; // a batch holds the ports' sites from Run to End
    std::atomic<bool> stopRequested_ = false;
    std::thread worker_;
};

} // namespace korvisel
