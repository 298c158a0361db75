#include "editor/pages/ReportTypePage.h"

#include "app/Icons.h"
#include "editor/InputEdits.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace korvisel {
namespace {

// The buttons from the top, with the kind each stands for.
struct Choice {
    int Kind;
    const char* Caption;
};
constexpr Choice Choices[] = {
    {Report::Sms, " SMS"}, {Report::Alarm, " ALARM"}, {Report::Clip, " CLIP"}, {Report::Data, "DATA"}};

} // namespace

TReportTypePage::TReportTypePage(TPageContext& context, QWidget* parent)
    : TInputPage("InReport", context, parent) {
    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(32, 16, 16, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    for (int n = 0; n < 4; ++n) {
        auto* picture = new QLabel(Body());
        picture->setObjectName(QString("ReportImage%1").arg(n + 1));
        picture->setFixedSize(32, 32);
        auto* button = new QRadioButton(Choices[n].Caption, Body());
        button->setObjectName(QString("ReportRButton%1").arg(n + 1));
        pictures_[static_cast<std::size_t>(n)] = picture;
        buttons_[static_cast<std::size_t>(n)] = button;
        grid->addWidget(picture, n, 0);
        grid->addWidget(button, n, 1);
        const int kind = Choices[n].Kind;
        connect(button, &QRadioButton::clicked, this, [this, kind] { Choose(kind); });
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

QRadioButton* TReportTypePage::Button(int kind) const {
    for (std::size_t n = 0; n < buttons_.size(); ++n)
        if (Choices[n].Kind == kind)
            return buttons_[n];
    return nullptr;
}

void TReportTypePage::FillPage() {
    SetTitle(Text("LIST_CAPT_REPTYPE") + QString::number(InputNumber()));
    if (!HasInput())
        return;
    if (QRadioButton* button = Button(In().ReportType))
        button->setChecked(true);
    ShowPictures();
}

void TReportTypePage::ShowPictures() {
    for (std::size_t n = 0; n < pictures_.size(); ++n)
        pictures_[n]->setPixmap(
            ReportPicture(Choices[n].Kind, HasInput() && In().ReportType == Choices[n].Kind));
}

void TReportTypePage::Choose(int kind) {
    UserEdit([&] {
        if (!HasInput())
            return;
        ClickReportType(Document(), InputNumber(), kind);
        context_.Host.SyncInputReportNodes(InputNumber(), kind);
        ShowPictures();
        SupplyReportPhones(Document(), context_.PhoneDialog, InputNumber());
    });
}

} // namespace korvisel
