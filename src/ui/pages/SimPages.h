// SPDX-License-Identifier: GPL-3.0-or-later
// The SIM card's pages: "Pin" (its PIN) and "SMSCentre" (the SMS centre's number). Each is one
// filtered edit that takes the focus with its text selected when the page shows. The edit shows what
// is stored even where its rule would refuse it; the rule applies once the user types.
#pragma once

#include "ui/pages/EditPage.h"

class QLabel;

namespace korvisel {

class TEditLetCh;

class TSimFieldPage : public TEditPage {
    Q_OBJECT
public:
    TSimFieldPage(const char* pageName, const char* editName, const char* characters, int length,
                  TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;
    TEditLetCh* Field() const { return edit_; }

protected:
    virtual void Store(TProjectInfo& project, const std::string& text) = 0;
    QLabel* Label() const { return label_; }

private:
    QLabel* label_;
    TEditLetCh* edit_;
};

class TPinPage : public TSimFieldPage {
    Q_OBJECT
public:
    TPinPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillPinPage
    void Store(TProjectInfo& project, const std::string& text) override;
    // The mouse over the page puts the caret back in the PIN, its text selected.
    void enterEvent(QEnterEvent* event) override;
};

class TSmsCentrePage : public TSimFieldPage {
    Q_OBJECT
public:
    TSmsCentrePage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillSmsCentrePage
    void Store(TProjectInfo& project, const std::string& text) override;
};

} // namespace korvisel
