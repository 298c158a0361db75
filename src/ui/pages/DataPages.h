// SPDX-License-Identifier: GPL-3.0-or-later
// The pages laid out as a Contact ID message: a phone and the object, code, zone and partition
// digits. The DATA reports of the inputs and of the periodic test, and the CROW adapter.
#pragma once

#include "ui/pages/EditPage.h"

#include <array>

class QLabel;
class QToolButton;

namespace korvisel {

class TContactIdEdits;
class TPhoneSelectorBox;

class TContactIdPage : public TEditPage {
    Q_OBJECT
public:
    // `codeLibrary`: a "..." button beside the code edits picks the code from the code library, and
    // a line under the edits says what the code means.
    TContactIdPage(const char* pageName, const char* selectorName,
                   const std::array<const char*, 4>& editNames, bool codeLibrary, TPageContext& context,
                   QWidget* parent = nullptr);
    TContactIdEdits* ContactId() const { return cid_; }
    QToolButton* CodeLibraryButton() const { return codeButton_; }
    QLabel* CodeMeaning() const { return meaning_; }

protected:
    // The phone of the node shown in `project`; nullptr where the node has none.
    virtual std::uint8_t* PhoneField(TProjectInfo& project) = 0;
    virtual void StoreDigit(TProjectInfo& project, int position, const std::string& text) = 0;
    virtual std::array<char, TContactId::Length> Digits() const = 0;

    void ShowAll(const QString& title);

private:
    // The three code symbols the node holds.
    std::string Code() const;
    void ChooseCode();
    void ShowMeaning();

    TPhoneSelectorBox* selector_;
    QLabel* phoneLabel_;
    TContactIdEdits* cid_;
    QToolButton* codeButton_ = nullptr;
    QLabel* meaning_ = nullptr;
};

// "DATA_Set": an input's DATA report.
class TInputDataPage : public TContactIdPage {
    Q_OBJECT
public:
    TInputDataPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillDataPage
    std::uint8_t* PhoneField(TProjectInfo& project) override;
    void StoreDigit(TProjectInfo& project, int position, const std::string& text) override;
    std::array<char, TContactId::Length> Digits() const override;
};

// "PerDATASet": the periodic test's DATA report.
class TTestDataPage : public TContactIdPage {
    Q_OBJECT
public:
    TTestDataPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillTestDataPage
    std::uint8_t* PhoneField(TProjectInfo& project) override { return &project.TestDataPhone; }
    void StoreDigit(TProjectInfo& project, int position, const std::string& text) override;
    std::array<char, TContactId::Length> Digits() const override { return Project().TestCid.Symbols(); }
};

// "CROW Adapter": the phone and the object number of the CROW adapter; code, zone and partition
// show "*" and keep nothing.
class TCrowPage : public TContactIdPage {
    Q_OBJECT
public:
    TCrowPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillCrowPage
    std::uint8_t* PhoneField(TProjectInfo& project) override { return &project.CrowPhone; }
    void StoreDigit(TProjectInfo& project, int position, const std::string& text) override;
    std::array<char, TContactId::Length> Digits() const override;
};

} // namespace korvisel
