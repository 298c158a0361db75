// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/LimitedMemo.h"

#include "editor/PrintDataEdits.h"
#include "editor/PrintInfoRows.h"
#include "editor/SmsMemoRules.h"

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
    setPlainText(Shown(text));
}

std::vector<std::string> TLimitedMemo::Lines() const {
    std::vector<std::string> lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.push_back(ToText(block.text()));
    return lines;
}

void TLimitedMemo::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int key = event->key();
    if (character && key != Qt::Key_Backspace && key != Qt::Key_Return && key != Qt::Key_Enter &&
        !KeyAccepted(ToText(typed), Lines())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TLimitedMemo::RuleChanged() {
    const TRuled ruled = ApplyRule(Lines());
    if (ruled.Repaired) {
        QStringList lines;
        for (const std::string& line : ruled.Lines)
            lines << FromText(line);
        const int position = textCursor().position();
        {
            const QSignalBlocker block(this);
            setPlainText(lines.join('\n'));
        }
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(toPlainText().size())));
        setTextCursor(cursor);
    }
    emit Stored(ruled.Stored);
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

QString TCommentMemo::Shown(const std::string& stored) const {
    QStringList lines;
    for (const std::string& line : CommentLines(stored))
        lines << FromText(line);
    return lines.join('\n');
}

} // namespace korvisel
