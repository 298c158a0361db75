// SPDX-License-Identifier: GPL-3.0-or-later
// The program's 16 x 16 icons, drawn for it at the screen's scale, by the names the tree and the
// pages use.
#pragma once

#include "core/PrjTypes.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace korvisel {

QPixmap Icon(const QString& name);
// A command's drawn icon at one and at two device pixels per pixel.
QIcon DrawnIcon(const QString& name);
// A command's icon from the desktop's icon theme where a freedesktop name fits it (NEW is
// "document-new", ...), else, or without a theme, the drawn one.
QIcon CommandIcon(const QString& name);
// The picture of a report kind on the report pages, 32 x 32, in
// colour for the chosen kind and gray for the others.
QPixmap ReportPicture(TReportKind kind, bool active);
// A report kind in the phone book's "Use" column, 16 x 16; the selected row's variant is drawn for
// the highlight behind it.
QPixmap UsePicture(TReportKind kind, bool selected);
// The mark of a CLIP grid's event or restore cell; the selected row's variant is drawn for the
// highlight behind it.
QPixmap ClipMark(bool selected);
// The splash picture (548 x 204) and the About box logo (340 x 116).
QPixmap SplashPicture();
QPixmap LogoPicture();

} // namespace korvisel
