// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/TestBlockPages.h"

#include "editor/DeviceEdits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvisel {
namespace {

// Labelled lists one under another; an item picked by the user reports the list and the item.
template <std::size_t N>
void AddLists(QWidget* body, const std::array<const char*, N>& names, std::array<QComboBox*, N>& lists,
              std::array<QLabel*, N>& labels) {
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(24, 16, 16, 8);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    for (std::size_t n = 0; n < N; ++n) {
        labels[n] = new QLabel(body);
        lists[n] = new QComboBox(body);
        lists[n]->setObjectName(names[n]);
        lists[n]->setMinimumWidth(200);
        grid->addWidget(labels[n], static_cast<int>(n), 0);
        grid->addWidget(lists[n], static_cast<int>(n), 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(N), 1);
}

// Replaces a list's items and selects one, without reporting it as the user's choice.
void ShowList(QComboBox* list, const QStringList& items, int selected) {
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

} // namespace

TTestTimePage::TTestTimePage(TPageContext& context, QWidget* parent)
    : TTestBranchPage("TestTime", context, parent) {
    DisableClipboardActionsOnFill();
    AddLists<3>(Body(), {"TestComboBox1", "TestComboBox2", "TestComboBox3"}, lists_, labels_);
    for (std::size_t n = 0; n < lists_.size(); ++n)
        connect(lists_[n], &QComboBox::activated, this,
                [this, list = lists_[n], part = static_cast<TPeriodPart>(n)](int index) {
                    Edit(list, [&](TProjectInfo& project) { SelectTestPeriod(project, part, index); });
                });
}

void TTestTimePage::FillPage() {
    SetTitle(Format("TREETIME", CycleTest()));
    constexpr TTextKey labels[] = {"REP_INP_TS_DPRM1", "REP_INP_TS_DPRM2", "REP_INP_TS_DPRM3"};
    for (std::size_t n = 0; n < labels_.size(); ++n)
        labels_[n]->setText(Text(labels[n]));
    const auto items = [this](const auto& keys) {
        QStringList texts;
        for (const TTextKey key : keys)
            texts << Text(key);
        return texts;
    };
    static constexpr auto Days = TTextKey::Numbered("REP_PRTSDAY", std::make_index_sequence<31>{});
    static constexpr auto Hours = TTextKey::Numbered("REP_PRTSHOUR", std::make_index_sequence<24>{});
    static constexpr auto Minutes = TTextKey::Numbered("REP_PRTSMIN", std::make_index_sequence<6>{});
    const TProjectInfo& project = Project();
    ShowList(lists_[0], items(Days), project.TestDays);
    ShowList(lists_[1], items(Hours), project.TestHours);
    ShowList(lists_[2], items(Minutes), project.TestMinutes);
}

TGsmLevelPage::TGsmLevelPage(TPageContext& context, QWidget* parent)
    : TTestBranchPage("GSMSignal", context, parent) {
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(14);
    buttons_ = AddRadioButtons(layout, "GSMSignRButton", 4, [this](QRadioButton* button, int index) {
        if (Branch() == 1)
            Edit(button, [&](TProjectInfo& project) { ClickGsmLevel(project, index + 1); });
    });
    layout->addStretch();
}

void TGsmLevelPage::FillPage() {
    SetTitle(Text("LIST_CAPT_GSMLEVEL"));
    constexpr TTextKey captions[] = {"LIST_GSMLEVEL_VAL1", "LIST_GSMLEVEL_VAL2", "LIST_GSMLEVEL_VAL3",
                                     "LIST_GSMLEVEL_VAL4"};
    for (std::size_t n = 0; n < buttons_.size(); ++n)
        buttons_[n]->setText(Text(captions[n]));
    if (Branch() != 1)
        return;
    CheckOnly(buttons_, Project().GsmLevel - 1);
}

TGsmTimePage::TGsmTimePage(TPageContext& context, QWidget* parent)
    : TTestBranchPage("GSMNet_Time", context, parent) {
    AddLists<2>(Body(), {"GSMComboBox1", "GSMComboBox2"}, lists_, labels_);
    for (std::size_t n = 0; n < lists_.size(); ++n)
        connect(lists_[n], &QComboBox::activated, this,
                [this, list = lists_[n], time = static_cast<TGsmTime>(n)](int index) {
                    if (Branch() == 1)
                        Edit(list, [&](TProjectInfo& project) { SelectGsmTime(project, time, index); });
                });
}

void TGsmTimePage::FillPage() {
    SetTitle(Text("LIST_CAPT_GSMTIME"));
    labels_[0]->setText(Text("LIST_TIME_VAL1"));
    labels_[1]->setText(Text("LIST_TIME_VAL3"));
    if (Branch() != 1)
        return;
    const std::string unit = Text("LIST_TIME_VAL4").toStdString();
    const auto items = [&unit](int steps) {
        QStringList texts;
        for (const std::string& item : GsmTimeItems(steps, unit))
            texts << QString::fromStdString(item);
        return texts;
    };
    ShowList(lists_[0], items(GsmReactionSteps), Project().GsmReactionTime - 1);
    ShowList(lists_[1], items(GsmLockoutSteps), Project().GsmLockoutTime - 1);
}

} // namespace korvisel
