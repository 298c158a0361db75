// SPDX-License-Identifier: GPL-3.0-or-later
// The editing pages of an output: "OutStart" (its state when the device starts), "OutputType"
// (monostable, bistable or flash) and "OUT_TIME" (its switching time).
#pragma once

#include "ui/pages/EditPage.h"

namespace korvisel {

class THalfSecondRow;

class TOutStartPage : public TOutputPage {
    Q_OBJECT
public:
    TOutStartPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillOutStartPage

private:
    std::vector<QRadioButton*> buttons_;
};

class TOutTypePage : public TOutputPage {
    Q_OBJECT
public:
    TOutTypePage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillOutTypePage

private:
    std::vector<QRadioButton*> buttons_;
};

class TOutTimePage : public TOutputPage {
    Q_OBJECT
public:
    TOutTimePage(TPageContext& context, QWidget* parent = nullptr);
    THalfSecondRow* Row() const { return row_; }

protected:
    void FillPage() override; // FillOutTimePage

private:
    THalfSecondRow* row_;
};

} // namespace korvisel
