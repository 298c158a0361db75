// SPDX-License-Identifier: GPL-3.0-or-later
// The pages that choose a report kind, a button and a picture per kind: "InReport" for an input
// (SMS, ALARM, CLIP, DATA) and "PerReports" for the periodic test (SMS, CLIP, DATA).
#pragma once

#include "ui/pages/EditPage.h"

#include <optional>
#include <vector>

class QLabel;

namespace korvisel {

class TReportKindPage : public TEditPage {
    Q_OBJECT
public:
    struct TChoice {
        TReportKind Kind;
        const char* Caption;
    };
    TReportKindPage(const char* pageName, const char* buttonPrefix, std::vector<TChoice> choices,
                    TPageContext& context, QWidget* parent = nullptr);
    // The button of a report kind, none when the page does not offer it.
    QRadioButton* Button(std::optional<TReportKind> kind) const;

protected:
    // The kind stored for the node, none when the node has none.
    virtual std::optional<TReportKind> StoredKind() const = 0;
    // The user clicked `button`, which stands for `kind`.
    virtual void Choose(QRadioButton* button, TReportKind kind) = 0;
    // Checks the stored kind's button and shows the pictures.
    void ShowKind();

private:
    std::vector<TChoice> choices_;
    std::vector<QRadioButton*> buttons_;
    std::vector<QLabel*> pictures_;
};

// "InReport": how an input reports.
class TInputReportPage : public TReportKindPage {
    Q_OBJECT
public:
    TInputReportPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillReportTypePage
    std::optional<TReportKind> StoredKind() const override;
    void Choose(QRadioButton* button, TReportKind kind) override;

private:
    bool HasInput() const { return Node().Input >= 1 && Node().Input <= static_cast<int>(InputCount); }
};

// "PerReports": how the periodic test reports.
class TTestReportPage : public TReportKindPage {
    Q_OBJECT
public:
    TTestReportPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillTestReportTypePage
    std::optional<TReportKind> StoredKind() const override { return Project().TestReportType; }
    void Choose(QRadioButton* button, TReportKind kind) override;
};

} // namespace korvisel
