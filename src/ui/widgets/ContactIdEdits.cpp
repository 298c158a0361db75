// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ContactIdEdits.h"

#include "ui/widgets/FilteredEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace korvisel {

TContactIdEdits::TContactIdEdits(const std::array<const char*, 4>& namePrefixes, QWidget* parent)
    : QWidget(parent) {
    constexpr std::array<int, 4> GroupSizes = {4, 3, 3, 2};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    int position = 0;
    for (std::size_t group = 0; group < GroupSizes.size(); ++group) {
        captions_[group] = new QLabel(this);
        grid->addWidget(captions_[group], 0, static_cast<int>(group));
        auto* row = new QHBoxLayout;
        rows_[group] = row;
        row->setSpacing(3);
        for (int n = 1; n <= GroupSizes[group]; ++n, ++position) {
            auto* edit = new TEditLetCh(this);
            edit->setObjectName(QString(namePrefixes[group]) + QString::number(n));
            edit->SetCharCount(1);
            edit->SetInputUpperCase(true);
            edit->setAlignment(Qt::AlignCenter);
            edit->setFixedSize(24, 24);
            edits_[static_cast<std::size_t>(position)] = edit;
            row->addWidget(edit);
            connect(edit, &TEditLetCh::Changed, this,
                    [this, position](const QString& text) { emit Changed(position, text); });
        }
        row->addStretch();
        grid->addLayout(row, 1, static_cast<int>(group));
    }
    grid->setColumnStretch(static_cast<int>(GroupSizes.size()), 1);
    grid->addItem(new QSpacerItem(0, 0), 0, static_cast<int>(GroupSizes.size()));
}

void TContactIdEdits::AddBesideGroup(int group, QWidget* widget) {
    QHBoxLayout* row = rows_[static_cast<std::size_t>(group)];
    row->insertWidget(row->count() - 1, widget);
}

void TContactIdEdits::SetCaptions(const std::array<QString, 4>& captions) {
    for (std::size_t group = 0; group < captions.size(); ++group)
        captions_[group]->setText(captions[group]);
}

void TContactIdEdits::Show(const TContactId& field) {
    const auto symbols = field.Symbols();
    for (std::size_t position = 0; position < symbols.size(); ++position)
        edits_[position]->ShowStored(QString(QChar(symbols[position])));
}

} // namespace korvisel
