// The program's 16 x 16 icons, drawn for it, by the names the tree and the pages use.
#pragma once

#include <QPixmap>
#include <QString>

namespace korvisel {

QPixmap Icon(const QString& name);
// The splash picture (548 x 204) and the About box logo (340 x 116).
QPixmap SplashPicture();
QPixmap LogoPicture();

} // namespace korvisel
