// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the test block with lists and buttons: "TestTime" (the periodic test's period),
// "GSMSignal" (the GSM level that is reported) and "GSMNet_Time" (the supervision's times).
#pragma once

#include "ui/pages/EditPage.h"

#include <array>

class QComboBox;
class QLabel;

namespace korvisel {

class TTestTimePage : public TTestBranchPage {
    Q_OBJECT
public:
    TTestTimePage(TPageContext& context, QWidget* parent = nullptr);
    QComboBox* List(int part) const { return lists_[static_cast<std::size_t>(part)]; }

protected:
    void FillPage() override; // FillTestTimePage

private:
    std::array<QComboBox*, 3> lists_{};
    std::array<QLabel*, 3> labels_{};
};

class TGsmLevelPage : public TTestBranchPage {
    Q_OBJECT
public:
    TGsmLevelPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillGsmLevelPage

private:
    std::vector<QRadioButton*> buttons_;
};

class TGsmTimePage : public TTestBranchPage {
    Q_OBJECT
public:
    TGsmTimePage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillGsmTimePage

private:
    std::array<QComboBox*, 2> lists_{};
    std::array<QLabel*, 2> labels_{};
};

} // namespace korvisel
