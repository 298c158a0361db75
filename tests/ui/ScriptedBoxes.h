// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes that answer from a script and record what they showed, for the window tests.
#pragma once

#include "core/MessageBoxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace korvisel::test {

class ScriptedBoxes : public IMessageBoxes {
public:
    std::deque<std::string> answers;
    std::vector<std::string> shown;
    // What the desktop does as a question closes, such as activating the window the box belonged to.
    std::function<void()> afterAnswer;

    void Information(const std::string& text, const std::string&) override {
        shown.push_back("info: " + text);
    }
    void Error(const std::string& text, const std::string&) override { shown.push_back("error: " + text); }
    bool OkCancel(const std::string& text, const std::string&) override { return Answer(text) == "ok"; }
    bool YesNo(const std::string& text, const std::string&, TBoxIcon) override {
        return Answer(text) == "yes";
    }
    TBoxAnswer YesNoCancel(const std::string& text, const std::string&, TBoxIcon) override {
        const std::string a = Answer(text);
        return a == "yes" ? TBoxAnswer::Yes : a == "no" ? TBoxAnswer::No : TBoxAnswer::Cancel;
    }

private:
    std::string Answer(const std::string& text) {
        shown.push_back(text);
        if (answers.empty())
            return "cancel";
        std::string a = answers.front();
        answers.pop_front();
        if (afterAnswer)
            afterAnswer();
        return a;
    }
};

} // namespace korvisel::test
