// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/WheelOnlyWithFocus.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>

namespace korvisel {
namespace {

class TWheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return QObject::eventFilter(watched, event);
        // Ignored and filtered: the control never sees it, and Qt offers it to the parent.
        event->ignore();
        return true;
    }
};

template <typename Control> void Guard(QWidget* root, QObject* filter) {
    for (Control* control : root->findChildren<Control*>()) {
        // The wheel gives no focus: Qt::WheelFocus would let the first turn take it.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(filter);
    }
}

} // namespace

void TakeWheelOnlyWithFocus(QWidget* root) {
    auto* filter = new TWheelFilter(root);
    Guard<QComboBox>(root, filter);
    Guard<QAbstractSpinBox>(root, filter);
    Guard<QAbstractSlider>(root, filter);
}

} // namespace korvisel
