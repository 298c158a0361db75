// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/HalfSecondRow.h"

#include "editor/HalfSecondTime.h"
#include "editor/PageLayout.h"
#include "ui/widgets/FilteredEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr int EditHeight = 24;

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFixedSize(17, EditHeight / 2);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    setFixedSize(17, EditHeight);
    connect(up_, &QToolButton::clicked, this, [this] { emit Stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit Stepped(false); });
}

void TUpDown::SetNames(const QString& stepped, const TLanguageTexts& texts) {
    up_->setAccessibleName(QString::fromStdString(texts.Text("PRG_A11Y_LONGER")).arg(stepped));
    down_->setAccessibleName(QString::fromStdString(texts.Text("PRG_A11Y_SHORTER")).arg(stepped));
}

void TUpDown::StepWithArrowKeys(QWidget* edit) {
    edit->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit Stepped(key == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

THalfSecondRow::THalfSecondRow(QWidget* parent, const char* wholeName, const char* fractionName,
                               const char* upDownName)
    : QObject(parent), label_(new QLabel(parent)), whole_(new TEditLetNum(parent)),
      comma_(new QLabel(",", parent)), fraction_(new TEditLetCh(parent)), upDown_(new TUpDown(parent)),
      unit_(new QLabel(parent)) {
    whole_->setObjectName(wholeName);
    whole_->SetMinNumber(0);
    whole_->SetMaxNumber(MaxWholeSeconds);
    whole_->SetNumberCount(3);
    whole_->setAlignment(Qt::AlignRight);
    fraction_->setObjectName(fractionName);
    fraction_->SetCharString("05");
    fraction_->SetCharCount(1);
    fraction_->setAlignment(Qt::AlignCenter);
    upDown_->setObjectName(upDownName);
    connect(whole_, &TEditLetNum::Changed, this, &THalfSecondRow::WholeChanged);
    connect(fraction_, &TEditLetCh::Changed, this, &THalfSecondRow::FractionChanged);
    connect(upDown_, &TUpDown::Stepped, this, &THalfSecondRow::Stepped);
    upDown_->StepWithArrowKeys(whole_);
    upDown_->StepWithArrowKeys(fraction_);
    label_->setBuddy(whole_);
}

void THalfSecondRow::Place(int y, int labelX, int editShift) {
    label_->move(labelX, y + (EditHeight - label_->sizeHint().height()) / 2);
    whole_->setGeometry(TimeColumns::Whole + editShift, y, TimeColumns::Comma - TimeColumns::Whole - 8,
                        EditHeight);
    comma_->move(TimeColumns::Comma + editShift + 2, y + 4);
    fraction_->setGeometry(TimeColumns::Fraction + editShift, y, 30, EditHeight);
    upDown_->move(TimeColumns::UpDown, y);
    unit_->move(TimeColumns::Unit, y + (EditHeight - unit_->sizeHint().height()) / 2);
}

void THalfSecondRow::SetTexts(const QString& label, const QString& unit, const TLanguageTexts& texts) {
    const QString name = QString(label).remove('&').trimmed();
    whole_->setAccessibleName(name);
    fraction_->setAccessibleName(QString::fromStdString(texts.Text("PRG_A11Y_FRACTION")).arg(name));
    upDown_->SetNames(name, texts);
    label_->setText(label);
    label_->adjustSize();
    unit_->setText(unit);
    unit_->adjustSize();
}

void THalfSecondRow::Show(int halfSeconds) {
    if (halfSeconds == 0) {
        // No time at all (a file another program wrote) is no time the fields could show: they stay
        // empty until the user types one.
        const QSignalBlocker blockWhole(whole_);
        const QSignalBlocker blockFraction(fraction_);
        whole_->clear();
        fraction_->clear();
        return;
    }
    whole_->SetNumber(static_cast<std::uint32_t>(halfSeconds / 2));
    ShowFraction(QString::fromStdString(FractionText(halfSeconds)));
}

void THalfSecondRow::ShowFraction(const QString& digit) {
    fraction_->setText(digit);
}

int THalfSecondRow::LabelWidth() const {
    return label_->fontMetrics().horizontalAdvance(label_->text());
}

} // namespace korvisel
