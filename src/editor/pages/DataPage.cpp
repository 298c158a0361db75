#include "editor/pages/DataPage.h"

#include "editor/ContactIdDigits.h"
#include "editor/pages/ContactIdEdits.h"
#include "editor/pages/PhoneSelectorBox.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvisel {

TDataPage::TDataPage(TPageContext& context, QWidget* parent)
    : TInputPage("DATA_Set", context, parent),
      selector_(AddPhoneSelector("DATAPhoneCBox", [this] { return HasInput() ? &In().DataPhone : nullptr; })),
      phoneLabel_(new QLabel(Body())),
      cid_(new TContactIdEdits({"DATAObj", "DATACode", "DATAZone", "DATAPart"}, Body())) {
    QVBoxLayout* layout = ColumnLayout();
    layout->addWidget(phoneLabel_);
    layout->addWidget(selector_, 0, Qt::AlignLeft);
    layout->addSpacing(18);
    layout->addWidget(cid_, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(cid_, &TContactIdEdits::Changed, this, [this](int position, const QString& text) {
        UserEdit([&] {
            if (HasInput())
                Document().Change(
                    [&](TProjectInfo&) { SetContactIdPosition(In().Cid, position, text.toStdString()); });
        });
    });
}

void TDataPage::FillPage() {
    SetTitle(Format("CAPTIONPAGEDATASET", InputCaption()));
    phoneLabel_->setText(Text("SMS_REP_PHON"));
    cid_->SetCaptions({Text("REP_CIDVAL1"), Text("REP_CIDVAL2"), Text("REP_CIDVAL3"), Text("REP_CIDVAL4")});
    if (!HasInput())
        return;
    ShowPhoneSelector(selector_);
    cid_->Show(In().Cid);
}

} // namespace korvisel
