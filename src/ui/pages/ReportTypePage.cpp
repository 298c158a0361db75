// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/ReportTypePage.h"

#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "ui/widgets/Icons.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace korvisel {

TReportKindPage::TReportKindPage(const char* pageName, const char* buttonPrefix, std::vector<TChoice> choices,
                                 TPageContext& context, QWidget* parent)
    : TEditPage(pageName, context, parent), choices_(std::move(choices)) {
    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(32, 16, 16, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    for (std::size_t n = 0; n < choices_.size(); ++n) {
        auto* picture = new QLabel(Body());
        picture->setObjectName(QString("%1Image%2").arg(buttonPrefix).arg(n + 1));
        picture->setFixedSize(32, 32);
        auto* button = new QRadioButton(choices_[n].Caption, Body());
        button->setObjectName(QString("%1%2").arg(buttonPrefix).arg(n + 1));
        pictures_.push_back(picture);
        buttons_.push_back(button);
        grid->addWidget(picture, static_cast<int>(n), 0);
        grid->addWidget(button, static_cast<int>(n), 1);
        const TReportKind kind = choices_[n].Kind;
        connect(button, &QRadioButton::clicked, this, [this, button, kind] { Choose(button, kind); });
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(choices_.size()), 1);
}

QRadioButton* TReportKindPage::Button(std::optional<TReportKind> kind) const {
    for (std::size_t n = 0; n < choices_.size(); ++n)
        if (choices_[n].Kind == kind)
            return buttons_[n];
    return nullptr;
}

void TReportKindPage::ShowKind() {
    const std::optional<TReportKind> stored = StoredKind();
    // A kind the page does not offer (a file another program wrote) checks no button.
    int checked = -1;
    for (std::size_t n = 0; n < choices_.size(); ++n)
        if (choices_[n].Kind == stored)
            checked = static_cast<int>(n);
    CheckOnly(buttons_, checked);
    for (std::size_t n = 0; n < choices_.size(); ++n)
        pictures_[n]->setPixmap(ReportPicture(choices_[n].Kind, choices_[n].Kind == stored));
}

TInputReportPage::TInputReportPage(TPageContext& context, QWidget* parent)
    : TReportKindPage("InReport", "ReportRButton",
                      {{TReportKind::Sms, " SMS"},
                       {TReportKind::Alarm, " ALARM"},
                       {TReportKind::Clip, " CLIP"},
                       {TReportKind::Data, "DATA"}},
                      context, parent) {}

std::optional<TReportKind> TInputReportPage::StoredKind() const {
    if (!HasInput())
        return std::nullopt;
    return Project().Inputs[static_cast<std::size_t>(Node().Input)].ReportType;
}

void TInputReportPage::FillPage() {
    SetTitle(Text("LIST_CAPT_REPTYPE") + QString::number(Node().Input));
    ShowKind();
}

void TInputReportPage::Choose(QRadioButton* button, TReportKind kind) {
    // The kind and the phones it asks for through the phone dialog are one step.
    Edit(button, [&](TProjectInfo& project) {
        ClickReportType(project, context_.PhoneDialog, TInputNumber{Node().Input}, kind);
    });
}

TTestReportPage::TTestReportPage(TPageContext& context, QWidget* parent)
    : TReportKindPage("PerReports", "RepPerRButton",
                      {{TReportKind::Sms, " SMS"}, {TReportKind::Clip, " CLIP"}, {TReportKind::Data, "DATA"}},
                      context, parent) {}

void TTestReportPage::FillPage() {
    SetTitle(Text("TREEREPPERTST"));
    if (Node().Input != 2 || Node().Output != 2)
        return;
    ShowKind();
}

void TTestReportPage::Choose(QRadioButton* button, TReportKind kind) {
    Edit(button, [&](TProjectInfo& project) { ClickTestReportType(project, context_.PhoneDialog, kind); });
}

} // namespace korvisel
