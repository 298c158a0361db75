// SPDX-License-Identifier: GPL-3.0-or-later
// A transfer view that shows nothing, answers every confirmation with OK and keeps the keys of the
// messages it was given.
#pragma once

#include "link/TransferEngine.h"

#include <string>
#include <vector>

namespace korvisel::test {

class AcceptingView : public ITransferView {
public:
    std::vector<std::string> messages;
    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey) override {}
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int) override {}
    void SetOverallBar(int) override {}
    bool ShowMessage(TMessageKind, TTextKey key) override {
        messages.push_back(key.Name());
        return true;
    }
};

} // namespace korvisel::test
