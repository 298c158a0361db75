// SPDX-License-Identifier: GPL-3.0-or-later
// The audio parameters dialog: four digits of the device's modem, edited on working values that
// reach the project only when the dialog is accepted.
#pragma once

#include "editor/AudioValues.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;

namespace korvisel {

class TEditLetNum;
class TLanguageTexts;

class TAudioForm : public QDialog {
    Q_OBJECT
public:
    explicit TAudioForm(QWidget* parent = nullptr);

    // Shows `values`, with the focus in parameter `focused` (1 to 4) when given; after OK the values
    // with what the user typed in place, nothing after Cancel.
    std::optional<TAudioValues> Execute(const TAudioValues& values, int focused = 0);
    void ApplyTexts(const TLanguageTexts& texts);

    TEditLetNum* Edit(int parameter) const { return edits_[static_cast<std::size_t>(parameter)]; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    std::array<TEditLetNum*, 4> edits_{};
    std::array<QLabel*, 4> labels_{};
    TAudioValues working_{};
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace korvisel
