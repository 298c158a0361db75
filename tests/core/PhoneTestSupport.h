// SPDX-License-Identifier: GPL-3.0-or-later
// A phone dialog that answers from a script and records what it was asked, and projects whose
// phone book holds numbers in chosen entries.
#pragma once

#include "core/PhoneBook.h"

#include <initializer_list>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace korvisel::test {

class ScriptedPhoneDialog : public IPhoneDialog {
public:
    struct Call {
        std::string Text;
        bool Required;
        bool operator==(const Call&) const = default;
    };

    std::deque<std::optional<std::string>> answers; // nothing stands for Cancel
    std::vector<Call> calls;
    std::string caption = "Phone";
    std::string prompt = "Enter Phone Number";

    void SetTexts(const std::string& c, const std::string& p) override {
        caption = c;
        prompt = p;
    }
    std::optional<std::string> Execute(const std::string& text, bool required) override {
        calls.push_back({text, required});
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Entries `present` hold the number "55500" followed by their entry number.
inline TProjectInfo WithPhones(std::initializer_list<int> present) {
    TProjectInfo project;
    for (int k : present)
        project.Phones[static_cast<std::size_t>(k)] = {"55500" + std::to_string(k), "Site", false};
    return project;
}

} // namespace korvisel::test
