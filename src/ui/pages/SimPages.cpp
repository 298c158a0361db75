// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/SimPages.h"

#include "editor/DeviceEdits.h"
#include "ui/widgets/FilteredEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace korvisel {

TSimFieldPage::TSimFieldPage(const char* pageName, const char* editName, const char* characters, int length,
                             TPageContext& context, QWidget* parent)
    : TEditPage(pageName, context, parent), label_(new QLabel(Body())), edit_(new TEditLetCh(Body())) {
    DisableClipboardActionsOnFill();
    edit_->setObjectName(editName);
    edit_->SetCharString(characters);
    edit_->SetCharCount(length);
    edit_->setFixedWidth(QFontMetrics(edit_->font()).horizontalAdvance(QString(length, '0')) + 16);
    QVBoxLayout* layout = ColumnLayout();
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(label_);
    row->addWidget(edit_);
    row->addStretch();
    layout->addSpacing(12);
    layout->addLayout(row);
    layout->addStretch();
    connect(edit_, &TEditLetCh::Changed, this, [this](const QString& text) {
        Edit(edit_, [&](TProjectInfo& project) { Store(project, text.toStdString()); });
    });
}

void TSimFieldPage::AfterShown() {
    if (TakeFocus(edit_))
        edit_->selectAll();
}

TPinPage::TPinPage(TPageContext& context, QWidget* parent)
    : TSimFieldPage("Pin", "EditPin", "1234567890", 4, context, parent) {}

void TPinPage::FillPage() {
    SetTitle(Text("LIST_CAPT_PIN_C"));
    Label()->setText(Text("TREEPIN"));
    Field()->ShowStored(
        QString::fromLatin1(Project().Pin.data(), static_cast<qsizetype>(Project().Pin.size())));
}

void TPinPage::enterEvent(QEnterEvent* event) {
    TSimFieldPage::enterEvent(event);
    AllowFocus();
    AfterShown();
}

void TPinPage::Store(TProjectInfo& project, const std::string& text) {
    ChangePin(project, text);
}

TSmsCentrePage::TSmsCentrePage(TPageContext& context, QWidget* parent)
    : TSimFieldPage("SMSCentre", "EditSMSCentre", "1234567890+", 32, context, parent) {}

void TSmsCentrePage::FillPage() {
    SetTitle(Text("LIST_CAPT_SMS_C"));
    Field()->ShowStored(QString::fromLatin1(Project().SmsCentre));
}

void TSmsCentrePage::Store(TProjectInfo& project, const std::string& text) {
    ChangeSmsCentre(project, text);
}

} // namespace korvisel
