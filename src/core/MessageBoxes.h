// SPDX-License-Identifier: GPL-3.0-or-later
// Every question and message the program puts to the user goes through this, so that the windows
// show real boxes and tests script the answers.
#pragma once

#include <string>

namespace korvisel {

enum class TBoxIcon { Information, Question, Error };
enum class TBoxAnswer { Yes, No, Cancel };

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual void Information(const std::string& text, const std::string& caption) = 0;
    virtual void Error(const std::string& text, const std::string& caption) = 0;
    // True for OK.
    virtual bool OkCancel(const std::string& text, const std::string& caption) = 0;
    // True for Yes.
    virtual bool YesNo(const std::string& text, const std::string& caption, TBoxIcon icon) = 0;
    virtual TBoxAnswer YesNoCancel(const std::string& text, const std::string& caption, TBoxIcon icon) = 0;
};

} // namespace korvisel
