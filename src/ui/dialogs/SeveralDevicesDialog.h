// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices: every port with why it cannot take part, tick boxes, and while the batch
// runs one row of progress per device, fed from the transfers' threads; each device's result at the
// end. The window goes on drawing and Stop answers while the devices are written.
#pragma once

#include "link/BatchTransfer.h"
#include "link/SeveralDevices.h"

#include <QDialog>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvisel {

class TLanguageTexts;

class TSeveralDevicesDialog : public QDialog {
    Q_OBJECT
public:
    TSeveralDevicesDialog(const TLanguageTexts& texts, QWidget* parent);
    ~TSeveralDevicesDialog() override;

    // Lists the ports and shows the dialog over the window without waiting.
    void Offer(const std::vector<TOfferedPort>& ports, const std::string& lineSettings, bool copyFirst);
    // Ports came or went while the list is open: a row whose port changed shows it anew (its tick stays
    // while the port can be used), the others keep their tick or result. Not while a batch runs.
    void FollowPorts(const std::vector<TOfferedPort>& ports);
    // Writes the ticked ports' devices with `job`; returns at once.
    void Run(TBatchJob job);
    // The check refused the write that Start asked for.
    void TellRefused();
    bool Running() const { return worker_.joinable(); }
    std::vector<std::string> TickedPorts() const;

    QTreeWidget* List() const { return list_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QLabel* Note() const { return note_; }

signals:
    // Start was clicked with these ports ticked: the window checks the project and calls Run.
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
    QTreeWidgetItem* Row(std::size_t batchRow) const;
    QProgressBar* Bar(QTreeWidgetItem* item) const;
    void ShowStep(std::size_t row, const QString& step);
    void ShowPercent(std::size_t row, int percent);
    void ShowEnded(std::size_t row, const TBatchResult& result);
    void End(const std::vector<TBatchResult>& results);

    const TLanguageTexts& texts_;
    QLabel* line_;
    QTreeWidget* list_;
    QLabel* note_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* close_;
    std::vector<TOfferedPort> ports_;
    std::vector<std::string> running_; // the ports of the batch, in its row order
    std::atomic<bool> stopRequested_ = false;
    std::thread worker_;
};

} // namespace korvisel
