// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ReadableOnPalette.h"

#include "markup/ReadableColor.h"

namespace korvisel {

QColor ToQColor(TRgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

TRgb FromQColor(const QColor& color) {
    return (static_cast<TRgb>(color.red()) << 16) | (static_cast<TRgb>(color.green()) << 8) |
           static_cast<TRgb>(color.blue());
}

QColor ReadableOn(TRgb designed, const QPalette& palette, QPalette::ColorRole background) {
    return ToQColor(ReadableColor(designed, FromQColor(palette.color(background))));
}

} // namespace korvisel
