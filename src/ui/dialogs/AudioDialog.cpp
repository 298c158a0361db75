// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AudioDialog.h"

#include "i18n/LanguageTexts.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace korvisel {

TAudioForm::TAudioForm(QWidget* parent)
    : QDialog(parent), ok_(new QPushButton("OK", this)), cancel_(new QPushButton(this)) {
    setObjectName("AudioForm");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setVerticalSpacing(8);
    for (std::size_t n = 0; n < AudioParameters.size(); ++n) {
        const TAudioParameter& parameter = AudioParameters[n];
        auto* edit = new TEditLetNum(this);
        edit->setObjectName(QString("EditLetNum%1").arg(n + 1));
        edit->SetNumberCount(1);
        edit->SetMinNumber(parameter.Min);
        edit->SetMaxNumber(parameter.Max);
        edit->setFixedWidth(36);
        edit->setAlignment(Qt::AlignCenter);
        edits_[n] = edit;
        labels_[n] = new QLabel(this);
        labels_[n]->setBuddy(edit);
        grid->addWidget(labels_[n], static_cast<int>(n), 0);
        grid->addWidget(edit, static_cast<int>(n), 1);
        connect(edit, &TEditLetNum::Changed, this,
                [this, n](std::uint32_t value) { working_[n] = static_cast<std::uint8_t>(value); });
        // The edit keeps Enter for itself; in this dialog it means OK.
        connect(edit, &TEditLetNum::PressEnter, ok_, &QPushButton::click);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    grid->addItem(new QSpacerItem(0, 8), static_cast<int>(AudioParameters.size()), 0);
    grid->addLayout(buttons, static_cast<int>(AudioParameters.size()) + 1, 0, 1, 2);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // The dialog takes the size its texts need, in every language.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    ApplyTexts(TLanguageTexts::BuiltInEnglish());
}

void TAudioForm::ApplyTexts(const TLanguageTexts& texts) {
    setWindowTitle(Q(texts.Text("PRG_AUDIO_TITLE")));
    for (std::size_t n = 0; n < labels_.size(); ++n)
        labels_[n]->setText(Q(texts.Text(AudioParameters[n].Label)));
    cancel_->setText(Q(texts.Text("PRG_CANCEL")));
}

std::optional<TAudioValues> TAudioForm::Execute(const TAudioValues& values, int focused) {
    working_ = values;
    // Each edit shows what the project holds; a value outside its range (a file another program
    // wrote) leaves it empty, the value grey in it, and stays as it is until the user types there.
    for (std::size_t n = 0; n < edits_.size(); ++n) {
        const bool shown = AudioValueShown(n, values[n]);
        const QSignalBlocker block(edits_[n]);
        edits_[n]->setText(shown ? QString::number(values[n]) : QString());
        edits_[n]->setPlaceholderText(shown ? QString() : QString::number(values[n]));
    }
    if (focused >= 1 && focused <= static_cast<int>(edits_.size()))
        edits_[static_cast<std::size_t>(focused - 1)]->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return working_;
}

} // namespace korvisel
