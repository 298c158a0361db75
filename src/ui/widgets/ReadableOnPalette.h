// SPDX-License-Identifier: GPL-3.0-or-later
// The program's designed text colours (a failure's red, a success's green) as a palette shows them:
// the info lists' contrast rule, so that on a dark theme they are lightened until they read.
#pragma once

#include "markup/Markup.h"

#include <QColor>
#include <QPalette>

namespace korvisel {

QColor ToQColor(TRgb rgb);
TRgb FromQColor(const QColor& color);

// `designed` as text on the palette's `background` role (a list's base, a status bar's window).
QColor ReadableOn(TRgb designed, const QPalette& palette, QPalette::ColorRole background = QPalette::Base);

} // namespace korvisel
