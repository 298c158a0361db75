// SPDX-License-Identifier: GPL-3.0-or-later
// The filtered edits: a number field and a character-set field, applying the core's keystroke and
// repair rules to a line edit.
#pragma once

#include "editor/FilteredEditRules.h"

#include <QLineEdit>

#include <cstdlib>

namespace korvisel {

// What both edits share: Enter, the cursor keys and the focus are reported; a typed character or
// backspace goes to the edit's own rule.
class TFilteredEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    bool BlockChang = false; // suppresses Changed

signals:
    void PressEnter();
    void LeftKeyPress();
    void RightKeyPress();
    void Focused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    virtual void TypedKey(char key) = 0;
};

class TEditLetNum : public TFilteredEdit {
    Q_OBJECT
public:
    explicit TEditLetNum(QWidget* parent = nullptr);

    std::uint32_t Number() const { return number_; }
    void SetNumber(std::uint32_t value);
    const TNumberEditProps& Props() const { return props_; }
    void SetMaxNumber(std::uint32_t max) { props_.MaxNumber = max; }
    void SetMinNumber(std::uint32_t min) { props_.MinNumber = min; }
    void SetNumberCount(int count) { props_.NumberCount = count == 0 ? 1 : std::abs(count); }
    void SetMinMaxEnable(bool enable) { props_.MinMaxEnable = enable; }

signals:
    void Changed(std::uint32_t number);

protected:
    void TypedKey(char key) override;

private:
    void Repair();
    void Report(std::uint32_t number);

    TNumberEditProps props_;
    std::uint32_t number_ = 1;
};

class TEditLetCh : public TFilteredEdit {
    Q_OBJECT
public:
    explicit TEditLetCh(QWidget* parent = nullptr);

    void SetCharString(const std::string& chars) { props_.CharString = chars; }
    void SetCharCount(int count);
    void SetNotSpace(bool notSpace);
    void SetInputUpperCase(bool upper);
    const TCharEditProps& Props() const { return props_; }
    // Shows a stored text as it is, without the rule and without reporting it.
    void ShowStored(const QString& text);

signals:
    void Changed(const QString& text);

protected:
    void TypedKey(char key) override;

private:
    void Repair();
    void Report(const std::string& text);

    TCharEditProps props_;
    bool inputUpperCase_ = false;
};

} // namespace korvisel
