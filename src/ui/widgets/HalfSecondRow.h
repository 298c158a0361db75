// SPDX-License-Identifier: GPL-3.0-or-later
// One time in half seconds on a page: a label, whole seconds, a comma, the fraction digit, an
// up-down and the unit, placed at the page's columns.
#pragma once

#include "i18n/LanguageTexts.h"

#include <QObject>
#include <QWidget>

#include <cstdint>

class QLabel;
class QToolButton;

namespace korvisel {

class TEditLetCh;
class TEditLetNum;

// Two arrow buttons, one above the other, each press one step.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }
    // The buttons' names for a screen reader: what they step, and which way.
    void SetNames(const QString& stepped, const TLanguageTexts& texts);
    // Up and Down in `edit` step as the buttons do.
    void StepWithArrowKeys(QWidget* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void Stepped(bool up);

private:
    QToolButton* up_;
    QToolButton* down_;
};

class THalfSecondRow : public QObject {
    Q_OBJECT
public:
    // `names`: the object names of the whole-seconds edit, the fraction edit and the up-down.
    THalfSecondRow(QWidget* parent, const char* wholeName, const char* fractionName, const char* upDownName);

    // Puts the row at `y` with its label at `labelX` and the edits moved right by `editShift`.
    void Place(int y, int labelX, int editShift);
    // The label and the unit in the language of `texts`, which also names the edits and buttons for
    // a screen reader.
    void SetTexts(const QString& label, const QString& unit, const TLanguageTexts& texts);
    // Shows a time; 0, which no time field can show, leaves both fields empty.
    void Show(int halfSeconds);
    void ShowFraction(const QString& digit);
    int LabelWidth() const;

    TEditLetNum* Whole() const { return whole_; }
    TEditLetCh* Fraction() const { return fraction_; }
    TUpDown* UpDown() const { return upDown_; }

signals:
    void WholeChanged(std::uint32_t seconds);
    void FractionChanged(const QString& text);
    void Stepped(bool up);

private:
    QLabel* label_;
    TEditLetNum* whole_;
    QLabel* comma_;
    TEditLetCh* fraction_;
    TUpDown* upDown_;
    QLabel* unit_;
};

} // namespace korvisel
