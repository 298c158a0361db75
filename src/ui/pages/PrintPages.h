// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the data that is only printed: serial number, registration number, SIM phone,
// firmware version, power supply and comment. No project file keeps it, so no edit here marks the
// project modified. After showing, each page puts the caret in its field with the text selected.
#pragma once

#include "ui/pages/EditPage.h"

#include <functional>

class QLabel;
class QLineEdit;

namespace korvisel {

class TCommentMemo;

// One line of print data: a heading, a caption and the edit.
class TPrintFieldPage : public TEditPage {
    Q_OBJECT
public:
    using TField = std::function<const std::string&(const TDopPrintInfo&)>;
    using TStore = std::function<void(TDopPrintInfo&, std::string_view)>;
    TPrintFieldPage(const char* pageName, TTextKey headingKey, TTextKey captionKey, QLineEdit* edit,
                    TField field, TStore store, TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;
    QLineEdit* Field() const { return edit_; }
    // Typing at the end of a full field shifts its 40 characters left instead of adding one.
    void KeepFortyCharacters();

protected:
    void FillPage() override;

private:
    void Changed(const QString& text);

    TTextKey headingKey_;
    TTextKey captionKey_;
    QLabel* caption_;
    QLineEdit* edit_;
    TField field_;
    TStore store_;
    std::function<std::string(const std::string&)> keep_;
};

// "PrintInfoSNum", "PrintInfoRegNum", "PrintInfoSIMPh" and "PrintFWareVersion".
TPrintFieldPage* NewSerialNumberPage(TPageContext& context, QWidget* parent);
TPrintFieldPage* NewRegNumberPage(TPageContext& context, QWidget* parent);
TPrintFieldPage* NewSimPhonePage(TPageContext& context, QWidget* parent);
TPrintFieldPage* NewFirmwarePage(TPageContext& context, QWidget* parent);

// "PrintInfoPwSuppl": a power unit, an accumulator, or another supply described in words.
class TPowerSupplyPage : public TEditPage {
    Q_OBJECT
public:
    TPowerSupplyPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;

protected:
    void FillPage() override;

private:
    void ShowKind();

    std::vector<QRadioButton*> buttons_;
    QLineEdit* other_;
};

// "PrintInfoComment": up to 300 characters over any number of lines.
class TCommentPage : public TEditPage {
    Q_OBJECT
public:
    TCommentPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;

protected:
    void FillPage() override;

private:
    void ShowComment();

    QLabel* caption_;
    TCommentMemo* memo_;
};

} // namespace korvisel
