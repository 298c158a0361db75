// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer dialog on a terminal: a progress bar and the dialog's messages on standard error.
// Confirmations are answered yes: the command line already said what to do.
#pragma once

#include "i18n/LanguageTexts.h"
#include "link/TransferEngine.h"
#include "link/TransferMessages.h"

#include <string>

namespace korvisel {

class TTextView : public ITransferView {
public:
    TTextView(const TLanguageTexts& texts, std::string portName);
    ~TTextView() override;

    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey key) override;
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int) override {}
    void SetOverallBar(int value) override;
    bool ShowMessage(TMessageKind kind, TTextKey key) override;

    // The first message box of a failing step, and the closing message; the command reports them.
    const TTransferMessages& Messages() const { return messages_; }
    void EndLine();

private:
    void Draw();

    const TLanguageTexts& texts_;
    std::string portName_;
    bool terminal_;
    std::string step_;
    int percent_ = -1;
    bool lineOpen_ = false;
    TTransferMessages messages_;
};

} // namespace korvisel
