// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve one-character edits of a Contact ID field in four labelled groups: object, code, zone
// and partition.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <QWidget>

#include <array>

class QHBoxLayout;
class QLabel;

namespace korvisel {

class TEditLetCh;

class TContactIdEdits : public QWidget {
    Q_OBJECT
public:
    // The object names of the groups' edits are the prefixes followed by 1, 2, ...
    TContactIdEdits(const std::array<const char*, 4>& namePrefixes, QWidget* parent = nullptr);

    // The groups' captions, which also name each edit for a screen reader in the language of `texts`.
    void SetCaptions(const std::array<QString, 4>& captions, const TLanguageTexts& texts);
    void Show(const TContactId& field);
    TEditLetCh* Edit(int position) const { return edits_[static_cast<std::size_t>(position)]; }
    // Puts a widget after the edits of group 0..3.
    void AddBesideGroup(int group, QWidget* widget);

signals:
    // Edit `position` (0..11, in device order) now shows `text`.
    void Changed(int position, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<TEditLetCh*, TContactId::Length> edits_{};
    std::array<QLabel*, 4> captions_{};
    std::array<QHBoxLayout*, 4> rows_{};
    static constexpr std::array<int, 4> GroupSizes = {4, 3, 3, 2};
};

} // namespace korvisel
