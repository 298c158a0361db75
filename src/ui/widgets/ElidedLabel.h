// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label for a long message in a narrow place: the text ends with "..." when it does not
// fit, and the whole text shows on hover and on a click.
#pragma once

#include <QLabel>

namespace korvisel {

class TElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit TElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    const QString& FullText() const { return full_; }
    // What is painted now: the whole text or its elided start.
    QString ShownText() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A double click belongs to what holds the label (the status bar opens the audio parameters).
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString full_;
};

} // namespace korvisel
