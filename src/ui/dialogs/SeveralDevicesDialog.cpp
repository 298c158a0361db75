// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "editor/Document.h"
#include "i18n/LanguageTexts.h"
#include "link/SeveralSites.h"
#include "ui/widgets/FileFilter.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReadableOnPalette.h"
#include "ui/widgets/SpokenTreeItem.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyle>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvisel {

namespace {

// The site column shows only while a sites table is open.
namespace col {
enum : int { Port, Site, Device, Progress, State, Firmware, Count };
} // namespace col

constexpr TRgb ProblemColor = 0xB00020;
constexpr TRgb DoneColor = 0x1B6E20;

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

TSeveralDevicesDialog::TSeveralDevicesDialog(const TLanguageTexts& texts, const TDocument& document,
                                             QWidget* parent)
    : QDialog(parent), texts_(texts), document_(document), line_(new QLabel(this)),
      sitesSummary_(new QLabel(this)), sitesOpen_(new QPushButton(this)), sitesClear_(new QPushButton(this)),
      sitesNotesCaption_(new QLabel(this)), sitesNotes_(new QPlainTextEdit(this)),
      list_(new QTreeWidget(this)), note_(new QLabel(this)), start_(new QPushButton(this)),
      stop_(new QPushButton(this)), close_(new QPushButton(this)) {
    setObjectName("SeveralDevicesDialog");
    list_->setObjectName("SeveralList");
    start_->setObjectName("SeveralStart");
    stop_->setObjectName("SeveralStop");
    note_->setObjectName("SeveralNote");
    line_->setObjectName("SeveralLine");
    line_->setWordWrap(true);
    note_->setWordWrap(true);
    sitesOpen_->setObjectName("SeveralSitesOpen");
    sitesClear_->setObjectName("SeveralSitesClear");
    sitesSummary_->setObjectName("SeveralSitesSummary");
    sitesNotes_->setObjectName("SeveralSitesNotes");
    sitesSummary_->setWordWrap(true);
    // A table's cells are the user's text, never markup.
    sitesSummary_->setTextFormat(Qt::PlainText);
    note_->setTextFormat(Qt::PlainText);
    sitesNotes_->setReadOnly(true);
    // Read with the keyboard too: Tab reaches it and the arrows move through a long list.
    sitesNotes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sitesNotes_->setLineWrapMode(QPlainTextEdit::NoWrap);
    sitesNotesCaption_->setBuddy(sitesNotes_);
    // The summary's line stays in place while it is empty, so the list does not jump at the end.
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(col::Count);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(col::State, QHeaderView::Stretch);
    list_->setColumnWidth(col::Port, 80);
    list_->setColumnWidth(col::Site, 160);
    list_->setColumnHidden(col::Site, true);
    list_->setColumnWidth(col::Device, 150);
    list_->setColumnWidth(col::Progress, 120);
    list_->setColumnWidth(col::Firmware, 80);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);
    auto* sites = new QHBoxLayout;
    sites->addWidget(sitesSummary_, 1);
    sites->addWidget(sitesOpen_, 0, Qt::AlignTop);
    sites->addWidget(sitesClear_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line_);
    layout->addLayout(sites);
    layout->addWidget(sitesNotesCaption_);
    layout->addWidget(sitesNotes_);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    start_->setDefault(true);
    stop_->setEnabled(false);
    connect(list_, &QTreeWidget::itemChanged, this, [this] { FollowTicks(); });
    connect(start_, &QPushButton::clicked, this, [this] {
        const std::vector<std::string> ticked = TickedPorts();
        if (ticked.empty())
            return;
        if (sites_)
            if (const auto payloads = SitesPayloads(*sites_, ports_, Ticks(), choices_, texts_);
                !payloads.Ok()) {
                note_->setText(Q(payloads.Reason()));
                return;
            }
        emit StartRequested(ticked);
    });
    SitesFileChooser = [this] {
        return QFileDialog::getOpenFileName(this, {}, Q(document_.DialogFolder),
                                            FileFilter(texts_, "PRG_FILTER_SITES"))
            .toStdString();
    };
    connect(sitesOpen_, &QPushButton::clicked, this, [this] { OpenSitesTable(); });
    connect(sitesClear_, &QPushButton::clicked, this, [this] { ClearSites(); });
    connect(stop_, &QPushButton::clicked, this, [this] {
        stopRequested_ = true;
        stop_->setEnabled(false);
    });
    connect(close_, &QPushButton::clicked, this, &TSeveralDevicesDialog::reject);
    resize(960, 480);
    ApplyCaptions();
    ShowSites();
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
    // The project may have changed since the table was opened: its rows follow it.
    if (sites_) {
        ApplyAgain(*sites_, document_.Project());
        choices_.clear();
        TickTablePorts();
    }
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
        // A cell with nothing in it yet is read as empty by a screen reader, not skipped.
        auto* item = new TSpokenTreeItem(texts_);
        list_->addTopLevelItem(item);
        ShowPort(item, port);
    }
}

void TSeveralDevicesDialog::ShowPort(QTreeWidgetItem* item, const TOfferedPort& port) {
    const bool ticked =
        (item->flags() & Qt::ItemIsUserCheckable) && item->checkState(col::Port) == Qt::Checked;
    item->setText(col::Port, Q(port.Port));
    item->setText(col::Device, Q(port.Device));
    list_->removeItemWidget(item, col::Progress);
    item->setText(col::State, Q(port.Note));
    item->setToolTip(col::State, Q(port.Note));
    item->setForeground(col::State, palette().text());
    item->setText(col::Firmware, QString());
    if (port.Usable) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(col::Port, ticked ? Qt::Checked : Qt::Unchecked);
    } else {
        item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
        item->setData(col::Port, Qt::CheckStateRole, QVariant());
    }
}

void TSeveralDevicesDialog::ApplyCaptions() {
    setWindowTitle(Q(texts_.Text("PRG_SEVERAL_TITLE")));
    list_->setAccessibleName(windowTitle());
    list_->setHeaderLabels({Q(texts_.Text("PRG_SEVERAL_PORT")), Q(texts_.Text("PRG_SITES_SITE")),
                            Q(texts_.Text("PRG_SEVERAL_DEVICE")), Q(texts_.Text("PRG_SEVERAL_PROGRESS")),
                            Q(texts_.Text("PRG_SEVERAL_STATE")), Q(texts_.Text("PRG_SEVERAL_FIRMWARE"))});
    start_->setText(Q(texts_.Text("PRG_SEVERAL_START")));
    stop_->setText(Q(texts_.Text("PRG_SEVERAL_STOP")));
    close_->setText(Q(texts_.Text("PRG_PREVIEW_CLOSE")));
    sitesOpen_->setText(Q(texts_.Text("PRG_SITES_OPEN")));
    sitesOpen_->setAccessibleName(Q(texts_.Text("PRG_SITES_OPEN")));
    sitesClear_->setText(Q(texts_.Text("PRG_SITES_CLEAR")));
    sitesClear_->setAccessibleName(Q(texts_.Text("PRG_SITES_CLEAR")));
    sitesNotesCaption_->setText(Q(texts_.Text("PRG_SITES_LEFT_OUT")));
    sitesNotes_->setAccessibleName(Q(texts_.Text("PRG_SITES_LEFT_OUT")));
}

std::vector<std::string> TSeveralDevicesDialog::TickedPorts() const {
    const std::vector<bool> ticks = Ticks();
    std::vector<std::string> ticked;
    for (std::size_t row = 0; row < ticks.size(); ++row)
        if (ticks[row])
            ticked.push_back(list_->topLevelItem(static_cast<int>(row))->text(col::Port).toStdString());
    return ticked;
}

std::vector<bool> TSeveralDevicesDialog::Ticks() const {
    std::vector<bool> ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list_->topLevelItem(i);
        ticked.push_back((item->flags() & Qt::ItemIsUserCheckable) &&
                         item->checkState(col::Port) == Qt::Checked);
    }
    return ticked;
}

void TSeveralDevicesDialog::FollowTicks() {
    start_->setEnabled(!Running() && !TickedPorts().empty());
    // From Run to End the ticks are locked, and the sites stay as the batch was started with them.
    if (!batchSites_)
        ShowSites();
}

void TSeveralDevicesDialog::OpenSitesTable() {
    const std::string path = SitesFileChooser();
    if (path.empty())
        return;
    ClearSites();
    TResult<TOfferedSites> opened = OpenSites(path, document_.Project(), texts_);
    if (!opened.Ok()) {
        sitesFailure_ = opened.Reason();
        ShowSites();
        return;
    }
    sites_ = std::make_unique<TOfferedSites>(std::move(opened).Value());
    TickTablePorts();
    ShowSites();
}

void TSeveralDevicesDialog::ClearSites() {
    sites_.reset();
    sitesFailure_.clear();
    choices_.clear();
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        list_->removeItemWidget(list_->topLevelItem(i), col::Site);
    ShowSites();
}

// The ports a Port column names are ticked for the user, who unticks those to leave out.
void TSeveralDevicesDialog::TickTablePorts() {
    if (!sites_ || !sites_->ByPort)
        return;
    const TSiteChoices byPort = ChoicesByPort(*sites_, ports_);
    for (std::size_t row = 0; row < byPort.size(); ++row)
        if (byPort[row])
            list_->topLevelItem(static_cast<int>(row))->setCheckState(col::Port, Qt::Checked);
}

void TSeveralDevicesDialog::ShowSites() {
    if (showingSites_)
        return;
    showingSites_ = true;
    sitesSummary_->setText(Q(sites_                  ? SitesSummary(*sites_, texts_)
                             : sitesFailure_.empty() ? texts_.Text("PRG_SITES_NONE")
                                                     : sitesFailure_));
    std::vector<std::string> notes;
    if (sites_) {
        notes = SitesNotes(*sites_, ports_, texts_);
        if (sites_->ByPort)
            choices_ = ChoicesByPort(*sites_, ports_);
        else
            PreselectSites(choices_, Ticks(), *sites_);
    }
    QString text;
    for (const std::string& note : notes)
        text += (text.isEmpty() ? "" : "\n") + Q(note);
    if (sitesNotes_->toPlainText() != text)
        sitesNotes_->setPlainText(text);
    // As tall as its lines, up to four, with room for the scroll bar a long line needs.
    const int lines = std::clamp(static_cast<int>(notes.size()), 1, 4);
    const int margins = 2 * (sitesNotes_->frameWidth() +
                             static_cast<int>(std::ceil(sitesNotes_->document()->documentMargin())));
    sitesNotes_->setFixedHeight(lines * sitesNotes_->fontMetrics().lineSpacing() + margins +
                                style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    sitesNotesCaption_->setVisible(!notes.empty());
    sitesNotes_->setVisible(!notes.empty());
    list_->setColumnHidden(col::Site, !sites_);
    // Tab goes from the list through the ports' lists of sites in their order, then on to Start.
    QWidget* previous = list_;
    for (std::size_t row = 0; row < ports_.size(); ++row) {
        ShowSiteCell(row);
        if (QWidget* box = list_->itemWidget(list_->topLevelItem(static_cast<int>(row)), col::Site)) {
            setTabOrder(previous, box);
            previous = box;
        }
    }
    EnableSites(!Running());
    showingSites_ = false;
}

// A port the user chooses for gets a list of the table's sites, a refused one among them greyed
// with its problems as its tip; a port the Port column rules shows its site as text.
void TSeveralDevicesDialog::ShowSiteCell(std::size_t row) {
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(row));
    if (!item)
        return;
    const std::size_t none = sites_ ? sites_->Rows.size() : 0;
    const std::size_t choice = row < choices_.size() ? choices_[row].value_or(none) : none;
    if (!sites_ || sites_->ByPort || !ports_[row].Usable) {
        list_->removeItemWidget(item, col::Site);
        item->setText(col::Site, choice < none ? Q(sites_->Rows[choice].Site) : QString());
        return;
    }
    item->setText(col::Site, QString());
    auto* box = qobject_cast<QComboBox*>(list_->itemWidget(item, col::Site));
    if (!box) {
        box = new QComboBox(list_);
        box->setAccessibleName(Q(texts_.Text("PRG_SITES_SITE") + " " + ports_[row].Port));
        auto* model = new QStandardItemModel(box);
        for (const TSiteRow& site : sites_->Rows) {
            auto* entry = new QStandardItem(Q(SiteChoiceText(site, texts_)));
            if (!Choosable(site)) {
                entry->setEnabled(false);
                QString why;
                for (const TSiteProblem& problem : site.Problems)
                    why += (why.isEmpty() ? "" : "\n") + Q(SiteProblemLine(site, problem, texts_));
                entry->setToolTip(why);
            }
            model->appendRow(entry);
        }
        box->setModel(model);
        list_->setItemWidget(item, col::Site, box);
        connect(box, &QComboBox::activated, this, [this, row](int index) { ChooseSite(row, index); });
    }
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(choice < none ? static_cast<int>(choice) : -1);
}

// Choosing a site for a port is asking for it to be written.
void TSeveralDevicesDialog::ChooseSite(std::size_t row, int index) {
    if (!sites_ || index < 0 || static_cast<std::size_t>(index) >= sites_->Rows.size())
        return;
    choices_.resize(ports_.size());
    choices_[row] = static_cast<std::size_t>(index);
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(row));
    if (item->checkState(col::Port) != Qt::Checked)
        item->setCheckState(col::Port, Qt::Checked);
    else
        ShowSites();
}

void TSeveralDevicesDialog::EnableSites(bool enabled) {
    sitesOpen_->setEnabled(enabled);
    sitesClear_->setEnabled(enabled && sites_);
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (QWidget* box = list_->itemWidget(list_->topLevelItem(i), col::Site))
            box->setEnabled(enabled);
}

QComboBox* TSeveralDevicesDialog::SiteBox(const std::string& port) const {
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (list_->topLevelItem(i)->text(col::Port) == Q(port))
            return qobject_cast<QComboBox*>(list_->itemWidget(list_->topLevelItem(i), col::Site));
    return nullptr;
}

void TSeveralDevicesDialog::Run(TBatchJob job) {
    if (Running())
        return;
    running_ = TickedPorts();
    if (running_.empty())
        return;
    if (sites_) {
        TResult<std::vector<TBatchPayload>> payloads =
            SitesPayloads(*sites_, ports_, Ticks(), choices_, texts_);
        if (!payloads.Ok()) {
            // Start refuses these; a caller that skipped it still gets its port back.
            note_->setText(Q(payloads.Reason()));
            emit Finished({});
            return;
        }
        job.PerPort = std::move(payloads).Value();
    }
    batchSites_ = true;
    // A row left out of this run goes back to its note, so no result of an earlier run stays beside it.
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        list_->removeItemWidget(item, col::Progress);
        item->setText(col::Firmware, QString());
        const QString note = Q(ports_.at(static_cast<std::size_t>(i)).Note);
        item->setText(col::State, note);
        item->setToolTip(col::State, note);
        item->setForeground(col::State, palette().text());
    }
    for (std::size_t row = 0; row < running_.size(); ++row) {
        QTreeWidgetItem* item = Row(row);
        auto* bar = new QProgressBar(list_);
        bar->setRange(0, 100);
        bar->setValue(0);
        list_->setItemWidget(item, col::Progress, bar);
        item->setText(col::State, QString());
    }
    note_->clear();
    start_->setEnabled(false);
    stop_->setEnabled(true);
    close_->setEnabled(false);
    EnableSites(false);
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
        if (list_->topLevelItem(i)->text(col::Port) == port)
            return list_->topLevelItem(i);
    return nullptr;
}

QProgressBar* TSeveralDevicesDialog::Bar(QTreeWidgetItem* item) const {
    return qobject_cast<QProgressBar*>(list_->itemWidget(item, col::Progress));
}

void TSeveralDevicesDialog::ShowStep(std::size_t row, const QString& step) {
    if (QTreeWidgetItem* item = Row(row))
        item->setText(col::State, step);
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
    item->setText(col::State, text);
    item->setToolTip(col::State, text);
    item->setText(col::Firmware, Q(result.Firmware));
    item->setForeground(col::State, ReadableOn(result.State == TBatchState::Done ? DoneColor : ProblemColor,
                                               list_->palette()));
    // A full bar says written; the engine fills it at the close of a failed run too.
    if (result.State == TBatchState::Done) {
        if (QProgressBar* bar = Bar(item))
            bar->setValue(100);
    } else {
        list_->removeItemWidget(item, col::Progress);
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
    batchSites_ = false;
    FollowTicks();
    emit Finished(results);
}

void TSeveralDevicesDialog::reject() {
    // A batch ends by Stop, never by closing the window over running transfers.
    if (!Running())
        QDialog::reject();
}

} // namespace korvisel
