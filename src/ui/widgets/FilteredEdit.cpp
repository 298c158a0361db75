// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FilteredEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace korvisel {
namespace {

TEditState StateOf(const QLineEdit& edit) {
    const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    return {edit.text().toStdString(), edit.cursorPosition(), start,
            static_cast<int>(edit.selectedText().size())};
}

// Writes the state without running the change handler again. The text goes in as an insertion, not
// with setText, so that the edit's own Undo (Ctrl+Z in a dialog) can take the key back.
void Apply(QLineEdit& edit, const TEditState& state) {
    const QSignalBlocker block(edit);
    const QString text = QString::fromStdString(state.Text);
    if (edit.text() != text) {
        edit.selectAll();
        edit.insert(text);
    }
    edit.setCursorPosition(state.Caret);
}

// The character a key types, or 0; backspace is '\b'. A key held with Ctrl or Alt is a shortcut (the
// edit's own Undo among them), whatever text it carries.
char TypedCharacter(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace)
        return '\b';
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() > 0x7E)
        return 0;
    return static_cast<char>(text[0].unicode());
}

} // namespace

void TFilteredEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit PressEnter();
        return;
    }
    if (const char key = TypedCharacter(event)) {
        TypedKey(key);
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Left)
        emit LeftKeyPress();
    else if (event->key() == Qt::Key_Right)
        emit RightKeyPress();
}

void TFilteredEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit Focused();
}

void TFilteredEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit Focused();
}

TEditLetNum::TEditLetNum(QWidget* parent) : TFilteredEdit("1", parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { Repair(); });
}

void TEditLetNum::Report(std::uint32_t number) {
    number_ = number;
    if (!BlockChang)
        emit Changed(number);
}

void TEditLetNum::SetNumber(std::uint32_t value) {
    number_ = value;
    const QString text = QString::fromStdString(NumberText(props_, value));
    if (text != this->text())
        setText(text); // runs the repair step
}

void TEditLetNum::Repair() {
    const TNumberRepair repair = RepairNumberText(props_, text().toStdString());
    if (QString::fromStdString(repair.Text) != text()) {
        const int caret = cursorPosition();
        setText(QString::fromStdString(repair.Text));
        setCursorPosition(std::min(caret, static_cast<int>(text().size())));
        return;
    }
    Report(repair.Number);
}

void TEditLetNum::TypedKey(char key) {
    const auto result = NumberKeyPress(props_, StateOf(*this), key);
    Apply(*this, result.State);
    Repair();
    // The key's own report comes after the repair and carries the value the repair settled on.
    if (!result.Changes.empty())
        Report(number_);
}

TEditLetCh::TEditLetCh(QWidget* parent) : TFilteredEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { Repair(); });
}

void TEditLetCh::SetCharCount(int count) {
    if (count == props_.CharCount)
        return;
    props_.CharCount = count;
    if (text().size() > count) {
        const int caret = cursorPosition();
        setText(text().left(count));
        setCursorPosition(std::min(caret, count));
    }
}

void TEditLetCh::SetNotSpace(bool notSpace) {
    if (notSpace == props_.NotSpace)
        return;
    props_.NotSpace = notSpace;
    if (notSpace && text().isEmpty() && !props_.CharString.empty())
        setText(QString(QChar(props_.CharString[0])));
}

void TEditLetCh::SetInputUpperCase(bool upper) {
    if (upper == inputUpperCase_)
        return;
    inputUpperCase_ = upper;
    setText(text().toUpper());
}

void TEditLetCh::Report(const std::string& text) {
    if (!BlockChang)
        emit Changed(QString::fromStdString(text));
}

void TEditLetCh::Repair() {
    const std::string repaired = RepairCharText(props_, text().toStdString());
    if (QString::fromStdString(repaired) != text()) {
        setText(QString::fromStdString(repaired));
        return;
    }
    Report(repaired);
}

void TEditLetCh::ShowStored(const QString& text) {
    if (text == this->text())
        return; // the caret stays where the user left it
    const QSignalBlocker block(this);
    setText(text);
}

void TEditLetCh::TypedKey(char key) {
    const auto result = CharKeyPress(props_, RepairedBeforeKey(props_, StateOf(*this)), key);
    Apply(*this, result.State);
    for (const std::string& text : result.Changes)
        Report(text);
}

} // namespace korvisel
