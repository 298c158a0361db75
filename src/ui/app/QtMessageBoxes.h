// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes on screen.
#pragma once

#include "core/MessageBoxes.h"

class QWidget;

namespace korvisel {

class TQtMessageBoxes : public IMessageBoxes {
public:
    explicit TQtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Information(const std::string& text, const std::string& caption) override;
    void Error(const std::string& text, const std::string& caption) override;
    bool OkCancel(const std::string& text, const std::string& caption) override;
    bool YesNo(const std::string& text, const std::string& caption, TBoxIcon icon) override;
    TBoxAnswer YesNoCancel(const std::string& text, const std::string& caption, TBoxIcon icon) override;

private:
    QWidget* parent_;
};

} // namespace korvisel
