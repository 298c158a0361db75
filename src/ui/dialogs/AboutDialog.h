// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the logo, the version, and the maker's mail and web addresses.
#pragma once

#include <QDialog>

namespace korvisel {

inline constexpr char ProgramVersion[] = "2.59.32";

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

} // namespace korvisel
