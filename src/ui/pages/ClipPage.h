// SPDX-License-Identifier: GPL-3.0-or-later
// The CLIP pages: which phone-book entries a CLIP report rings, chosen by double clicks in a grid of
// the phone book. Inputs choose an event and a restore phone, the periodic test one event phone.
#pragma once

#include "editor/PhoneGridRules.h"
#include "ui/pages/EditPage.h"

class QPushButton;

namespace korvisel {

class TPhoneGrid;

class TClipGridPage : public TEditPage {
    Q_OBJECT
public:
    TClipGridPage(const char* pageName, const char* gridName, TPageContext& context,
                  QWidget* parent = nullptr);
    TPhoneGrid* Grid() const { return grid_; }

protected:
    virtual bool HasMark(int row, int column) const = 0;
    virtual TClipGridAction DoubleClick(TProjectInfo& project, int row, int column) = 0;
    // A change of the project repaints the marks; the selected row stays.
    void RefreshPage() override;
    // The title and the grid's columns after the number column.
    void ShowAll(const QString& title, const QList<std::pair<QString, int>>& markColumns);

private:
    void DoubleClicked(int row, int column);

    TPhoneGrid* grid_;
    QPushButton* eventButton_;
    QPushButton* restoreButton_;
};

// "CLIP_Set": an input's event and restore phones.
class TInputClipPage : public TClipGridPage {
    Q_OBJECT
public:
    TInputClipPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillClipPage
    bool HasMark(int row, int column) const override;
    TClipGridAction DoubleClick(TProjectInfo& project, int row, int column) override;

private:
    bool HasInput() const { return Node().Input >= 1 && Node().Input <= static_cast<int>(InputCount); }
};

// "PerCLIPSet": the periodic test's first CLIP phone.
class TTestClipPage : public TClipGridPage {
    Q_OBJECT
public:
    TTestClipPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillTestClipPage
    bool HasMark(int row, int column) const override;
    TClipGridAction DoubleClick(TProjectInfo& project, int row, int column) override;
};

} // namespace korvisel
