// SPDX-License-Identifier: GPL-3.0-or-later
// The program's texts are UTF-8 in std::string; the widgets want QString.
#pragma once

#include <QString>

#include <string_view>

namespace korvisel {

inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace korvisel
