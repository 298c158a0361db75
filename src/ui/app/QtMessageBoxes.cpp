// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/QtMessageBoxes.h"

#include <QMessageBox>

namespace korvisel {
namespace {

// Language texts break lines with LF CR or CR LF; a box wants one line feed.
QString BoxText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace("\n\r", "\n").replace("\r\n", "\n").replace('\r', '\n');
    return t;
}

QMessageBox::Icon IconOf(TBoxIcon icon) {
    switch (icon) {
    case TBoxIcon::Information:
        return QMessageBox::Information;
    case TBoxIcon::Error:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Question;
    }
}

int Ask(QWidget* parent, QMessageBox::Icon icon, const std::string& text, const std::string& caption,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromStdString(caption), BoxText(text), buttons, parent);
    return box.exec();
}

} // namespace

void TQtMessageBoxes::Information(const std::string& text, const std::string& caption) {
    Ask(parent_, QMessageBox::Information, text, caption, QMessageBox::Ok);
}

void TQtMessageBoxes::Error(const std::string& text, const std::string& caption) {
    Ask(parent_, QMessageBox::Critical, text, caption, QMessageBox::Ok);
}

bool TQtMessageBoxes::OkCancel(const std::string& text, const std::string& caption) {
    return Ask(parent_, QMessageBox::Question, text, caption, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

bool TQtMessageBoxes::YesNo(const std::string& text, const std::string& caption, TBoxIcon icon) {
    return Ask(parent_, IconOf(icon), text, caption, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

TBoxAnswer TQtMessageBoxes::YesNoCancel(const std::string& text, const std::string& caption, TBoxIcon icon) {
    switch (
        Ask(parent_, IconOf(icon), text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TBoxAnswer::Yes;
    case QMessageBox::No:
        return TBoxAnswer::No;
    default:
        return TBoxAnswer::Cancel;
    }
}

} // namespace korvisel
