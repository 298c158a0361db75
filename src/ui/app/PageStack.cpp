// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/PageStack.h"

#include "ui/pages/AlarmPage.h"
#include "ui/pages/ClipPage.h"
#include "ui/pages/DataPages.h"
#include "ui/pages/EditPage.h"
#include "ui/pages/OutputPages.h"
#include "ui/pages/PhoneBookPage.h"
#include "ui/pages/PrintPages.h"
#include "ui/pages/ReportTypePage.h"
#include "ui/pages/SignalPage.h"
#include "ui/pages/SimPages.h"
#include "ui/pages/SmsPages.h"
#include "ui/pages/SummaryPages.h"
#include "ui/pages/TestBlockPages.h"
#include "ui/pages/TimePage.h"
#include "ui/widgets/WheelOnlyWithFocus.h"

#include <cassert>

namespace korvisel {
namespace {

using TPageMaker = TNodePage* (*)(TPageContext&, QWidget*);

template <typename Page> TNodePage* Make(TPageContext& context, QWidget* parent) {
    return new Page(context, parent);
}

template <typename Page> TNodePage* MakeSummary(TPageContext& context, QWidget* parent) {
    return new Page(TSummarySource{context.Document, context.Texts, &context.Host}, parent);
}

template <TOutputSmsPage::TKind Kind> TNodePage* MakeOutputSms(TPageContext& context, QWidget* parent) {
    return new TOutputSmsPage(Kind, context, parent);
}

template <TPrintFieldPage* (*New)(TPageContext&, QWidget*)>
TNodePage* MakePrintField(TPageContext& context, QWidget* parent) {
    return New(context, parent);
}

// Every page by the name the node kinds give it.
const std::pair<const char*, TPageMaker> PageMakers[] = {
    {"Info", MakeSummary<TProjectSummaryPage>},
    {"Input", MakeSummary<TInputSummaryPage>},
    {"Output", MakeSummary<TOutputSummaryPage>},
    {"TestBlockInfo", MakeSummary<TTestBlockSummaryPage>},
    {"TestInformation", MakeSummary<TTestInformationPage>},
    {"PrintInfo_Rep", MakeSummary<TPrintInfoSummaryPage>},
    {"Signal", Make<TSignalPage>},
    {"Time", Make<TTimePage>},
    {"InReport", Make<TInputReportPage>},
    {"SMS_Text", Make<TInputSmsPage>},
    {"ALARM_Set", Make<TAlarmPage>},
    {"CLIP_Set", Make<TInputClipPage>},
    {"DATA_Set", Make<TInputDataPage>},
    {"OutStart", Make<TOutStartPage>},
    {"OutputType", Make<TOutTypePage>},
    {"OUT_TIME", Make<TOutTimePage>},
    {"OutSMSControl", MakeOutputSms<TOutputSmsPage::TKind::Control>},
    {"OutSMSAnswer", MakeOutputSms<TOutputSmsPage::TKind::Answer>},
    {"Phone", Make<TPhoneBookPage>},
    {"Pin", Make<TPinPage>},
    {"SMSCentre", Make<TSmsCentrePage>},
    {"TestTime", Make<TTestTimePage>},
    {"PerReports", Make<TTestReportPage>},
    {"PerSMSText", Make<TTestSmsPage>},
    {"PerCLIPSet", Make<TTestClipPage>},
    {"PerDATASet", Make<TTestDataPage>},
    {"GSMSignal", Make<TGsmLevelPage>},
    {"GSMNet_Time", Make<TGsmTimePage>},
    {"GSMSMS_Text", Make<TGsmSmsPage>},
    {"CROW Adapter", Make<TCrowPage>},
    {"PrintInfoSNum", MakePrintField<NewSerialNumberPage>},
    {"PrintInfoPwSuppl", Make<TPowerSupplyPage>},
    {"PrintInfoComment", Make<TCommentPage>},
    {"PrintInfoSIMPh", MakePrintField<NewSimPhonePage>},
    {"PrintInfoRegNum", MakePrintField<NewRegNumberPage>},
    {"PrintFWareVersion", MakePrintField<NewFirmwarePage>},
};

} // namespace

TPageStack::TPageStack(TPageContext& context, QWidget* parent) : QStackedWidget(parent) {
    setObjectName("Notebook1");
    for (const auto& [name, make] : PageMakers) {
        TNodePage* page = make(context, this);
        assert(page->objectName() == name);
        addWidget(page);
        byName_.insert(name, page);
    }
    for (const TNodeKindEntry& kind : NodeKinds()) {
        assert(Page(kind.Page));
        if (kind.Description)
            if (auto* editPage = qobject_cast<TEditPage*>(Page(kind.Page)))
                editPage->Description()->setObjectName(QString("Description") + kind.Page);
    }
    TakeWheelOnlyWithFocus(this);
}

TNodePage* TPageStack::PageOfKind(TNodeKind kind) const {
    return Page(NodePageName(kind));
}

void TPageStack::ShowNode(const TTreeNodeData& node, bool mayTakeFocus) {
    shown_ = node;
    TNodePage* page = PageOfKind(node.Kind);
    page->ShowNode(node);
    setCurrentWidget(page);
    page->OnScreen(mayTakeFocus);
}

void TPageStack::Refresh(const TEditPlace& place) {
    PageOfKind(shown_.Kind)->Refresh(shown_, place.Node == shown_ ? place.Control : std::string());
}

void TPageStack::ApplyDescriptions(const TLanguageTexts& texts) {
    for (const TNodeKindEntry& kind : NodeKinds())
        if (kind.Description)
            if (auto* editPage = qobject_cast<TEditPage*>(PageOfKind(kind.Kind)))
                editPage->Description()->Fill(texts.Text(kind.Description));
}

} // namespace korvisel
