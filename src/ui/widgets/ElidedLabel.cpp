// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ElidedLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace korvisel {

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {}

void TElidedLabel::SetFullText(const QString& text) {
    full_ = text;
    setToolTip(text);
    setText(text); // for the size hint and accessibility; painting elides
    update();
}

QString TElidedLabel::ShownText() const {
    return fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
}

QSize TElidedLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("COM00: ...")),
            QLabel::minimumSizeHint().height()};
}

void TElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, ShownText());
}

// A tooltip needs a steady mouse; a click shows the whole text at once.
void TElidedLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !full_.isEmpty()) {
        QToolTip::showText(event->globalPosition().toPoint(), full_, this);
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void TElidedLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}

} // namespace korvisel
