// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/LimitedMemo.h"

#include "editor/PrintDataEdits.h"
#include "editor/SmsMemoRules.h"
#include "markup/PrintInfoRows.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextBlock>

namespace korvisel {

TLimitedMemo::TLimitedMemo(bool deviceBytes, QWidget* parent)
    : QPlainTextEdit(parent), deviceBytes_(deviceBytes) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &TLimitedMemo::RuleChanged);
}

std::string TLimitedMemo::ToText(const QString& text) const {
    if (!deviceBytes_)
        return text.toStdString();
    // A character beyond Latin-1 becomes a byte that no rule accepts.
    std::string bytes;
    for (const QChar c : text)
        bytes += c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : '\0';
    return bytes;
}

QString TLimitedMemo::FromText(const std::string& text) const {
    return deviceBytes_ ? QString::fromLatin1(text) : QString::fromStdString(text);
}

QString TLimitedMemo::Shown(const std::string& stored) const {
    return FromText(stored);
}

void TLimitedMemo::ShowStored(const std::string& text) {
    // Lines the user broke the text into stay while they still hold it.
    if (foreign_.empty() && ApplyRule(Lines()).Stored == text)
        return;
    const QSignalBlocker block(this);
    const bool kept = ApplyRule(LinesOf(Shown(text))).Stored == text;
    foreign_ = kept ? std::string() : text;
    setPlainText(kept ? Shown(text) : ShownForeign(text));
}

std::vector<std::string> TLimitedMemo::LinesOf(const QString& text) const {
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(ToText(line));
    return lines;
}

std::vector<std::string> TLimitedMemo::Lines() const {
    std::vector<std::string> lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.push_back(ToText(block.text()));
    return lines;
}

void TLimitedMemo::ShowLines(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines)
        shown << FromText(line);
    const QSignalBlocker block(this);
    setPlainText(shown.join('\n'));
}

void TLimitedMemo::TakeRuledText() {
    if (foreign_.empty())
        return;
    const bool wholeSelected =
        textCursor().selectionStart() == 0 && textCursor().selectionEnd() == toPlainText().size();
    ShowLines(ApplyRule(LinesOf(Shown(foreign_))).Lines);
    foreign_.clear();
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    if (wholeSelected)
        cursor.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TLimitedMemo::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int key = event->key();
    const bool changes = character || key == Qt::Key_Backspace || key == Qt::Key_Delete ||
                         key == Qt::Key_Return || key == Qt::Key_Enter ||
                         event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut);
    if (changes)
        TakeRuledText();
    if (character && key != Qt::Key_Backspace && key != Qt::Key_Return && key != Qt::Key_Enter &&
        !KeyAccepted(ToText(typed), Lines())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TLimitedMemo::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
        TakeRuledText();
    QPlainTextEdit::inputMethodEvent(event);
}

void TLimitedMemo::insertFromMimeData(const QMimeData* source) {
    TakeRuledText();
    QPlainTextEdit::insertFromMimeData(source);
}

void TLimitedMemo::RuleChanged() {
    // A change that came another way than typing, pasting or dropping (the context menu's Delete,
    // say) changed what was shown for a foreign text: the rule applies to the stored text instead.
    if (!foreign_.empty()) {
        std::vector<std::string> lines = ApplyRule(LinesOf(Shown(foreign_))).Lines;
        foreign_.clear();
        ShowLines(lines);
    }
    const TRuled ruled = ApplyRule(Lines());
    if (ruled.Repaired) {
        const int position = textCursor().position();
        ShowLines(ruled.Lines);
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(toPlainText().size())));
        setTextCursor(cursor);
    }
    emit Stored(ruled.Stored);
}

std::size_t TSmsMemo::CharactersLeft() const {
    return SmsCharactersLeft(Lines());
}

bool TSmsMemo::KeyAccepted(const std::string& typed, const std::vector<std::string>& lines) const {
    return typed.size() == 1 && SmsKeyAccepted(typed[0], SmsMemoCharacterCount(lines));
}

TLimitedMemo::TRuled TSmsMemo::ApplyRule(const std::vector<std::string>& lines) const {
    TSmsMemoText text = ApplySmsMemoRule(lines);
    return {std::move(text.Lines), std::move(text.Stored), text.Repaired};
}

bool TCommentMemo::KeyAccepted(const std::string&, const std::vector<std::string>& lines) const {
    std::size_t count = 0;
    for (const std::string& line : lines)
        count += Utf8Length(line);
    return CommentKeyAccepted(count);
}

TLimitedMemo::TRuled TCommentMemo::ApplyRule(const std::vector<std::string>& lines) const {
    TCommentText text = ApplyCommentRule(lines);
    return {std::move(text.Lines), std::move(text.Comment), text.Repaired};
}

QString TSmsMemo::ShownForeign(const std::string& stored) const {
    return QString::fromLatin1(SmsTextShown(stored));
}

QString TCommentMemo::Shown(const std::string& stored) const {
    QStringList lines;
    for (const std::string& line : CommentLines(stored))
        lines << FromText(line);
    return lines.join('\n');
}

} // namespace korvisel
