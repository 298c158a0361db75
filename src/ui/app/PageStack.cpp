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

#include <map>

namespace korvisel {
namespace {

using TPageMaker = TNodePage* (*)(TPageContext&, QWidget*);

template <typename Page> TNodePage* Make(TPageContext& context, QWidget* parent) {
    return new Page(context, parent);
}

template <typename Page> TNodePage* MakeSummary(TPageContext& context, QWidget* parent) {
    return new Page(TSummarySource{context.Document, context.Texts, &context.Host}, parent);
}

template <const TSummaryLook& Look> TNodePage* MakeList(TPageContext& context, QWidget* parent) {
    return new TSummaryPage(Look, TSummarySource{context.Document, context.Texts, &context.Host}, parent);
}

template <TOutputSmsPage::TKind Kind> TNodePage* MakeOutputSms(TPageContext& context, QWidget* parent) {
    return new TOutputSmsPage(Kind, context, parent);
}

template <TPrintFieldPage* (*New)(TPageContext&, QWidget*)>
TNodePage* MakePrintField(TPageContext& context, QWidget* parent) {
    return New(context, parent);
}

// The page of every node kind, by its type: a kind left out of the switch does not compile.
// Kinds whose page is made by one maker share the page.
TPageMaker MakerOf(TNodeKind kind) {
    switch (kind) {
    case nkInfo:
        break;
    case nkInput:
        return MakeSummary<TInputSummaryPage>;
    case nkOutput:
        return MakeList<OutputSummary>;
    case nkTestBlock:
        return MakeList<TestBlockSummary>;
    case nkGsmTest:
    case nkPeriodicTest:
        return MakeSummary<TTestInformationPage>;
    case nkPrintInfo:
        return MakeList<PrintInfoSummary>;
    case nkInputSignal:
        return Make<TSignalPage>;
    case nkInputTime:
        return Make<TTimePage>;
    case nkInputReport:
        return Make<TInputReportPage>;
    case nkInputSms:
        return Make<TInputSmsPage>;
    case nkInputAlarm:
        return Make<TAlarmPage>;
    case nkInputClip:
        return Make<TInputClipPage>;
    case nkInputData:
        return Make<TInputDataPage>;
    case nkOutputStart:
        return Make<TOutStartPage>;
    case nkOutputType:
        return Make<TOutTypePage>;
    case nkOutputTime:
        return Make<TOutTimePage>;
    case nkOutputControlSms:
        return MakeOutputSms<TOutputSmsPage::TKind::Control>;
    case nkOutputAnswerSms:
        return MakeOutputSms<TOutputSmsPage::TKind::Answer>;
    case nkPhones:
        return Make<TPhoneBookPage>;
    case nkPin:
        return Make<TPinPage>;
    case nkSmsCentre:
        return Make<TSmsCentrePage>;
    case nkTestTime:
        return Make<TTestTimePage>;
    case nkTestReport:
        return Make<TTestReportPage>;
    case nkTestSms:
        return Make<TTestSmsPage>;
    case nkTestClip:
        return Make<TTestClipPage>;
    case nkTestData:
        return Make<TTestDataPage>;
    case nkGsmLevel:
        return Make<TGsmLevelPage>;
    case nkGsmTime:
        return Make<TGsmTimePage>;
    case nkGsmSms:
        return Make<TGsmSmsPage>;
    case nkCrow:
        return Make<TCrowPage>;
    case nkPrintSerial:
        return MakePrintField<NewSerialNumberPage>;
    case nkPrintPower:
        return Make<TPowerSupplyPage>;
    case nkPrintComment:
        return Make<TCommentPage>;
    case nkPrintSimPhone:
        return MakePrintField<NewSimPhonePage>;
    case nkPrintRegNumber:
        return MakePrintField<NewRegNumberPage>;
    case nkPrintFirmware:
        return MakePrintField<NewFirmwarePage>;
    }
    // The project summary, for the top node and for a number that is no kind.
    return MakeList<ProjectSummary>;
}

} // namespace

TPageStack::TPageStack(TPageContext& context, QWidget* parent) : QStackedWidget(parent) {
    setObjectName("Notebook1");
    std::map<TPageMaker, TNodePage*> made;
    for (const TNodeKindEntry& kind : NodeKinds()) {
        TNodePage*& page = made[MakerOf(kind.Kind)];
        if (!page) {
            page = MakerOf(kind.Kind)(context, this);
            addWidget(page);
            byName_.insert(page->objectName(), page);
        }
        byKind_[kind.Kind] = page;
        if (kind.Description)
            if (auto* editPage = qobject_cast<TEditPage*>(page))
                editPage->Description()->setObjectName("Description" + page->objectName());
    }
    TakeWheelOnlyWithFocus(this);
    connect(this, &QStackedWidget::currentChanged, this, [this] { updateGeometry(); });
}

QSize TPageStack::sizeHint() const {
    return currentWidget() ? currentWidget()->sizeHint() : QStackedWidget::sizeHint();
}

QSize TPageStack::minimumSizeHint() const {
    return currentWidget() ? currentWidget()->minimumSizeHint() : QStackedWidget::minimumSizeHint();
}

TNodePage* TPageStack::PageOfKind(TNodeKind kind) const {
    const auto found = byKind_.find(kind);
    return found != byKind_.end() ? found->second : byKind_.at(nkInfo);
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
                editPage->Description()->Fill(texts.Text(kind.Description), texts);
}

} // namespace korvisel
