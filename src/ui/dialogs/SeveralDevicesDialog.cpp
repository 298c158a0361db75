// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "i18n/LanguageTexts.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvisel {

namespace {

enum Column { PortColumn, DeviceColumn, ProgressColumn, StateColumn, FirmwareColumn, ColumnCount };

constexpr TRgb ProblemColor = 0xB00020;
constexpr TRgb DoneColor = 0x1B6E20;

// A port's row: a cell with nothing in it yet is read as empty by a screen reader, not skipped.
class TPortItem : public QTreeWidgetItem {
public:
    explicit TPortItem(const TLanguageTexts& texts) : texts_(texts) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::AccessibleTextRole && text(column).isEmpty())
            return Q(texts_.Text("PRG_A11Y_EMPTY_CELL"));
        return QTreeWidgetItem::data(column, role);
    }

private:
    const TLanguageTexts& texts_;
};

} // namespace

// Hands what the transfers' threads tell to the dialog's own thread.
class TDialogProgress : public IBatchProgress {
public:
    explicit TDialogProgress(TSeveralDevicesDialog* dialog) : dialog_(dialog) {}

    void SetStep(std::size_t row, const std::string& step) override {
        QMetaObject::invokeMethod(
            dialog_, [d = dialog_, row, text = Q(step)] { d->ShowStep(row, text); }, Qt::QueuedConnection);
    }
    void SetPercent(std::size_t row, int percent) override {
        QMetaObject::invokeMethod(
            dialog_, [d = dialog_, row, percent] { d->ShowPercent(row, percent); }, Qt::QueuedConnection);
    }
    void Ended(std::size_t row, const TBatchResult& result) override {
        QMetaObject::invokeMethod(
            dialog_, [d = dialog_, row, result] { d->ShowEnded(row, result); }, Qt::QueuedConnection);
    }

private:
    TSeveralDevicesDialog* dialog_;
};

TSeveralDevicesDialog::TSeveralDevicesDialog(const TLanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts), line_(new QLabel(this)), list_(new QTreeWidget(this)),
      note_(new QLabel(this)), start_(new QPushButton(this)), stop_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName("SeveralDevicesDialog");
    list_->setObjectName("SeveralList");
    start_->setObjectName("SeveralStart");
    stop_->setObjectName("SeveralStop");
    note_->setObjectName("SeveralNote");
    line_->setObjectName("SeveralLine");
    line_->setWordWrap(true);
    note_->setWordWrap(true);
    // The summary's line stays in place while it is empty, so the list does not jump at the end.
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(ColumnCount);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(StateColumn, QHeaderView::Stretch);
    list_->setColumnWidth(PortColumn, 80);
    list_->setColumnWidth(DeviceColumn, 150);
    list_->setColumnWidth(ProgressColumn, 120);
    list_->setColumnWidth(FirmwareColumn, 80);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    start_->setDefault(true);
    stop_->setEnabled(false);
    connect(list_, &QTreeWidget::itemChanged, this, [this] { FollowTicks(); });
    connect(start_, &QPushButton::clicked, this, [this] {
        if (const std::vector<std::string> ticked = TickedPorts(); !ticked.empty())
            emit StartRequested(ticked);
    });
    connect(stop_, &QPushButton::clicked, this, [this] {
        stopRequested_ = true;
        stop_->setEnabled(false);
    });
    connect(close_, &QPushButton::clicked, this, &TSeveralDevicesDialog::reject);
    resize(860, 420);
    ApplyCaptions();
}

TSeveralDevicesDialog::~TSeveralDevicesDialog() {
    stopRequested_ = true;
    if (worker_.joinable())
        worker_.join();
}

void TSeveralDevicesDialog::Offer(const std::vector<TOfferedPort>& ports, const std::string& lineSettings,
                                  bool copyFirst) {
    if (Running())
        return;
    ports_ = ports;
    ShowRows();
    ApplyCaptions();
    std::string line = WithArguments(texts_.Text("PRG_SEVERAL_LINE"), {lineSettings});
    if (copyFirst)
        line += "\n" + texts_.Text("PRG_SEVERAL_COPY");
    line_->setText(Q(line));
    note_->setText(Q(texts_.Text("PRG_SEVERAL_NONE_TICKED")));
    FollowTicks();
    open();
    raise();
    activateWindow();
}

void TSeveralDevicesDialog::FollowPorts(const std::vector<TOfferedPort>& ports) {
    if (Running())
        return;
    if (ports.size() != ports_.size()) {
        ports_ = ports;
        ShowRows();
    }
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (ports[i] != ports_[i])
            ShowPort(list_->topLevelItem(static_cast<int>(i)), ports[i]);
    ports_ = ports;
    FollowTicks();
}

void TSeveralDevicesDialog::ShowRows() {
    list_->clear();
    for (const TOfferedPort& port : ports_) {
        auto* item = new TPortItem(texts_);
        list_->addTopLevelItem(item);
        ShowPort(item, port);
    }
}

void TSeveralDevicesDialog::ShowPort(QTreeWidgetItem* item, const TOfferedPort& port) {
    const bool ticked =
        (item->flags() & Qt::ItemIsUserCheckable) && item->checkState(PortColumn) == Qt::Checked;
    item->setText(PortColumn, Q(port.Port));
    item->setText(DeviceColumn, Q(port.Device));
    list_->removeItemWidget(item, ProgressColumn);
    item->setText(StateColumn, Q(port.Note));
    item->setToolTip(StateColumn, Q(port.Note));
    item->setForeground(StateColumn, palette().text());
    item->setText(FirmwareColumn, QString());
    if (port.Usable) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(PortColumn, ticked ? Qt::Checked : Qt::Unchecked);
    } else {
        item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
        item->setData(PortColumn, Qt::CheckStateRole, QVariant());
    }
}

void TSeveralDevicesDialog::ApplyCaptions() {
    setWindowTitle(Q(texts_.Text("PRG_SEVERAL_TITLE")));
    list_->setAccessibleName(windowTitle());
    list_->setHeaderLabels({Q(texts_.Text("PRG_SEVERAL_PORT")), Q(texts_.Text("PRG_SEVERAL_DEVICE")),
                            Q(texts_.Text("PRG_SEVERAL_PROGRESS")), Q(texts_.Text("PRG_SEVERAL_STATE")),
                            Q(texts_.Text("PRG_SEVERAL_FIRMWARE"))});
    start_->setText(Q(texts_.Text("PRG_SEVERAL_START")));
    stop_->setText(Q(texts_.Text("PRG_SEVERAL_STOP")));
    close_->setText(Q(texts_.Text("PRG_PREVIEW_CLOSE")));
}

std::vector<std::string> TSeveralDevicesDialog::TickedPorts() const {
    std::vector<std::string> ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem* item = list_->topLevelItem(i);
            (item->flags() & Qt::ItemIsUserCheckable) && item->checkState(PortColumn) == Qt::Checked)
            ticked.push_back(item->text(PortColumn).toStdString());
    return ticked;
}

void TSeveralDevicesDialog::FollowTicks() {
    start_->setEnabled(!Running() && !TickedPorts().empty());
}

void TSeveralDevicesDialog::Run(TBatchJob job) {
    if (Running())
        return;
    running_ = TickedPorts();
    if (running_.empty())
        return;
    // A row left out of this run goes back to its note, so no result of an earlier run stays beside it.
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        list_->removeItemWidget(item, ProgressColumn);
        item->setText(FirmwareColumn, QString());
        const QString note = Q(ports_.at(static_cast<std::size_t>(i)).Note);
        item->setText(StateColumn, note);
        item->setToolTip(StateColumn, note);
        item->setForeground(StateColumn, palette().text());
    }
    for (std::size_t row = 0; row < running_.size(); ++row) {
        QTreeWidgetItem* item = Row(row);
        auto* bar = new QProgressBar(list_);
        bar->setRange(0, 100);
        bar->setValue(0);
        list_->setItemWidget(item, ProgressColumn, bar);
        item->setText(StateColumn, QString());
    }
    note_->clear();
    start_->setEnabled(false);
    stop_->setEnabled(true);
    close_->setEnabled(false);
    stopRequested_ = false;
    worker_ = std::thread([this, ports = running_, job = std::move(job)] {
        TDialogProgress progress(this);
        std::vector<TBatchResult> results = RunBatch(ports, job, stopRequested_, progress);
        QMetaObject::invokeMethod(
            this, [this, results = std::move(results)] { End(results); }, Qt::QueuedConnection);
    });
}

void TSeveralDevicesDialog::TellRefused() {
    note_->setText(Q(texts_.Text("PRG_SEVERAL_REFUSED")));
}

QTreeWidgetItem* TSeveralDevicesDialog::Row(std::size_t batchRow) const {
    const QString port = Q(running_.at(batchRow));
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (list_->topLevelItem(i)->text(PortColumn) == port)
            return list_->topLevelItem(i);
    return nullptr;
}

QProgressBar* TSeveralDevicesDialog::Bar(QTreeWidgetItem* item) const {
    return qobject_cast<QProgressBar*>(list_->itemWidget(item, ProgressColumn));
}

void TSeveralDevicesDialog::ShowStep(std::size_t row, const QString& step) {
    if (QTreeWidgetItem* item = Row(row))
        item->setText(StateColumn, step);
}

void TSeveralDevicesDialog::ShowPercent(std::size_t row, int percent) {
    if (QTreeWidgetItem* item = Row(row))
        if (QProgressBar* bar = Bar(item))
            bar->setValue(percent);
}

void TSeveralDevicesDialog::ShowEnded(std::size_t row, const TBatchResult& result) {
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return;
    const QString text = Q(OfferedResultText(result, texts_));
    item->setText(StateColumn, text);
    item->setToolTip(StateColumn, text);
    item->setText(FirmwareColumn, Q(result.Firmware));
    item->setForeground(StateColumn, ReadableOn(result.State == TBatchState::Done ? DoneColor : ProblemColor,
                                                list_->palette()));
    // A full bar says written; the engine fills it at the close of a failed run too.
    if (result.State == TBatchState::Done) {
        if (QProgressBar* bar = Bar(item))
            bar->setValue(100);
    } else {
        list_->removeItemWidget(item, ProgressColumn);
    }
}

void TSeveralDevicesDialog::End(const std::vector<TBatchResult>& results) {
    worker_.join();
    const bool stopped = stopRequested_;
    note_->setText(Q(BatchEndText(results, stopped, texts_)));
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->flags() & Qt::ItemIsEnabled)
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    stop_->setEnabled(false);
    close_->setEnabled(true);
    FollowTicks();
    emit Finished(results);
}

void TSeveralDevicesDialog::reject() {
    // A batch ends by Stop, never by closing the window over running transfers.
    if (!Running())
        QDialog::reject();
}

} // namespace korvisel
