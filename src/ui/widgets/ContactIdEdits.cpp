// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ContactIdEdits.h"

#include "editor/ContactIdDigits.h"
#include "ui/widgets/FilteredEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace korvisel {

TContactIdEdits::TContactIdEdits(const std::array<const char*, 4>& namePrefixes, QWidget* parent)
    : QWidget(parent) {
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
            edit->installEventFilter(this);
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

void TContactIdEdits::SetCaptions(const std::array<QString, 4>& captions, const TLanguageTexts& texts) {
    const QString character = QString::fromStdString(texts.Text("PRG_A11Y_CHARACTER"));
    std::size_t position = 0;
    for (std::size_t group = 0; group < captions.size(); ++group) {
        captions_[group]->setText(captions[group]);
        const QString name = QString(captions[group]).remove('&').trimmed();
        for (int n = 1; n <= GroupSizes[group]; ++n, ++position)
            edits_[position]->setAccessibleName(character.arg(name).arg(n).arg(GroupSizes[group]));
    }
}

// A code is typed through the edits one after another: a symbol moves on, backspace moves back.
bool TContactIdEdits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto at = std::find(edits_.begin(), edits_.end(), watched);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool printable = key->text().size() == 1 && key->text()[0].unicode() >= 0x20;
    if (at == edits_.end() || !plain || (!printable && key->key() != Qt::Key_Backspace))
        return false;
    const int position = static_cast<int>(at - edits_.begin());
    const char typed = key->key() == Qt::Key_Backspace ? '\b' : static_cast<char>(key->text()[0].toLatin1());
    // The edit takes the key first; then the focus moves.
    (*at)->event(event);
    const int next = ContactIdPositionAfterKey(position, typed);
    if (next != position) {
        TEditLetCh* target = edits_[static_cast<std::size_t>(next)];
        target->setFocus(Qt::TabFocusReason);
        target->selectAll();
    }
    return true;
}

void TContactIdEdits::Show(const TContactId& field) {
    const auto symbols = field.Symbols();
    for (std::size_t position = 0; position < symbols.size(); ++position)
        edits_[position]->ShowStored(QString(QChar(symbols[position])));
}

} // namespace korvisel
