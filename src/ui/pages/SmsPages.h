// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of SMS texts: a phone (or the fixed "All" of the outputs) and one or two memos. Inputs,
// outputs, the periodic test and GSM supervision each have theirs.
#pragma once

#include "ui/pages/EditPage.h"

#include <utility>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;

namespace korvisel {

class TPhoneSelectorBox;
class TSmsMemo;

struct TSmsPageNames {
    const char* Page;
    const char* Selector;
    const char* EventMemo;
    const char* RestoreMemo; // nullptr: the page has one text
};

class TSmsPage : public TEditPage {
    Q_OBJECT
public:
    TSmsPage(const TSmsPageNames& names, TPageContext& context, QWidget* parent = nullptr);

protected:
    // The fields of the node shown in `project`; nullptr where the node has none.
    virtual std::uint8_t* PhoneField(TProjectInfo& project) = 0;
    virtual std::string* EventText(TProjectInfo& project) = 0;
    virtual std::string* RestoreText(TProjectInfo&) { return nullptr; }

    // Captions, the phone and the texts. A page without a phone field shows "All", disabled.
    void ShowAll(const QString& title, TTextKey eventLabel, TTextKey restoreLabel = nullptr);
    QGridLayout* Grid() const { return grid_; }
    TSmsMemo* EventMemo() const { return eventMemo_; }

private:
    void Store(TSmsMemo* memo, std::string* (TSmsPage::*field)(TProjectInfo&), const std::string& text);
    void ShowCharactersLeft();

    QGridLayout* grid_;
    QLabel* phoneLabel_;
    TPhoneSelectorBox* selector_;
    QLabel* eventLabel_;
    QLabel* restoreLabel_ = nullptr;
    TSmsMemo* eventMemo_;
    TSmsMemo* restoreMemo_ = nullptr;
    std::vector<std::pair<TSmsMemo*, QLabel*>> charactersLeft_;
};

// "SMS_Text": an input's SMS report.
class TInputSmsPage : public TSmsPage {
    Q_OBJECT
public:
    TInputSmsPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;

protected:
    void FillPage() override; // FillSmsTextPage
    std::uint8_t* PhoneField(TProjectInfo& project) override;
    std::string* EventText(TProjectInfo& project) override;
    std::string* RestoreText(TProjectInfo& project) override;
};

// "OutSMSControl" and "OutSMSAnswer": the texts that switch and query an output, and its answers.
class TOutputSmsPage : public TSmsPage {
    Q_OBJECT
public:
    enum class TKind { Control, Answer };
    TOutputSmsPage(TKind kind, TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillOutControlPage, FillOutAnswerPage
    std::uint8_t* PhoneField(TProjectInfo&) override { return nullptr; }
    std::string* EventText(TProjectInfo& project) override;
    std::string* RestoreText(TProjectInfo& project) override;

private:
    TKind kind_;
};

// "PerSMSText": the periodic test's SMS.
class TTestSmsPage : public TSmsPage {
    Q_OBJECT
public:
    TTestSmsPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillTestSmsPage
    std::uint8_t* PhoneField(TProjectInfo& project) override;
    std::string* EventText(TProjectInfo& project) override;
};

// "GSMSMS_Text": the GSM supervision's SMS texts and whether a restore SMS is sent.
class TGsmSmsPage : public TSmsPage {
    Q_OBJECT
public:
    TGsmSmsPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillGsmSmsPage
    std::uint8_t* PhoneField(TProjectInfo& project) override;
    std::string* EventText(TProjectInfo& project) override;
    std::string* RestoreText(TProjectInfo& project) override;

private:
    bool IsGsmNode() const { return Node().Input == 1 && Node().Output == 1; }
    QCheckBox* restoreCheck_;
};

} // namespace korvisel
