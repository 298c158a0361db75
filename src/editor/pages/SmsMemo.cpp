#include "editor/pages/SmsMemo.h"

#include "editor/SmsMemoRules.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextBlock>

namespace korvisel {
namespace {

// The memo's characters as the device's bytes; a character beyond Latin-1 becomes a byte the SMS
// table never holds.
std::string DeviceBytes(const QString& line) {
    std::string bytes;
    for (const QChar c : line)
        bytes += c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : '\0';
    return bytes;
}

std::vector<std::string> Lines(const QPlainTextEdit& memo) {
    std::vector<std::string> lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        lines.push_back(DeviceBytes(block.text()));
    return lines;
}

} // namespace

TSmsMemo::TSmsMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &TSmsMemo::ApplyRule);
}

void TSmsMemo::ShowStored(const std::string& text) {
    setPlainText(QString::fromLatin1(text));
}

void TSmsMemo::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed[0].isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (key != Qt::Key_Backspace && key != Qt::Key_Return && key != Qt::Key_Enter && character) {
        const char c = typed[0].unicode() < 0x100 ? static_cast<char>(typed[0].unicode()) : '\0';
        if (!SmsKeyAccepted(c, SmsMemoCharacterCount(Lines(*this)))) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TSmsMemo::ApplyRule() {
    const TSmsMemoText text = ApplySmsMemoRule(Lines(*this));
    if (text.Repaired) {
        QStringList lines;
        for (const std::string& line : text.Lines)
            lines << QString::fromLatin1(line);
        const int position = textCursor().position();
        {
            const QSignalBlocker block(this);
            setPlainText(lines.join('\n'));
        }
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(position, static_cast<int>(toPlainText().size())));
        setTextCursor(cursor);
    }
    emit Stored(text.Stored);
}

} // namespace korvisel
