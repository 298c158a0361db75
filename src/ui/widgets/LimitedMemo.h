// SPDX-License-Identifier: GPL-3.0-or-later
// Memos whose text the project keeps under a rule: an SMS text (ten characters of the SMS table, its
// lines joined) and the report's comment (300 characters, each line followed by a carriage return).
// A memo refuses the keys its rule refuses, puts right what was pasted, and reports the text to
// keep after every change the user makes.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace korvisel {

class TLimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // Shows the stored text without reporting it. A text the rule would change (a file another
    // program wrote) is shown as it is held; the user's first change applies the rule to it.
    void ShowStored(const std::string& text);
    // The memo shows a stored text that its rule refuses.
    bool ShowsForeignText() const { return !foreign_.empty(); }

signals:
    void Stored(const std::string& text);

protected:
    struct TRuled {
        std::vector<std::string> Lines;
        std::string Stored;
        bool Repaired = false;
    };
    // SMS texts are the device's bytes, shown as Latin-1; the comment is UTF-8.
    TLimitedMemo(bool deviceBytes, QWidget* parent);

    virtual bool KeyAccepted(const std::string& typed, const std::vector<std::string>& lines) const = 0;
    virtual TRuled ApplyRule(const std::vector<std::string>& lines) const = 0;
    // The memo's text for a stored text.
    virtual QString Shown(const std::string& stored) const;
    // The memo's text for a stored text its rule refuses.
    virtual QString ShownForeign(const std::string& stored) const { return Shown(stored); }

    std::string ToText(const QString& text) const;
    QString FromText(const std::string& text) const;

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

    std::vector<std::string> Lines() const;

private:
    std::vector<std::string> LinesOf(const QString& text) const;
    void RuleChanged();
    // Before the user's first change of a foreign text: the memo shows the stored text as the rule
    // keeps it, so that the change applies to that and never to the escapes shown.
    void TakeRuledText();
    void ShowLines(const std::vector<std::string>& lines);

    bool deviceBytes_;
    std::string foreign_; // the stored text shown, while the rule would change it
};

class TSmsMemo : public TLimitedMemo {
    Q_OBJECT
public:
    explicit TSmsMemo(QWidget* parent = nullptr) : TLimitedMemo(true, parent) {}
    // How many more characters it takes.
    std::size_t CharactersLeft() const;

protected:
    bool KeyAccepted(const std::string& typed, const std::vector<std::string>& lines) const override;
    TRuled ApplyRule(const std::vector<std::string>& lines) const override;
    QString ShownForeign(const std::string& stored) const override;
};

class TCommentMemo : public TLimitedMemo {
    Q_OBJECT
public:
    explicit TCommentMemo(QWidget* parent = nullptr) : TLimitedMemo(false, parent) {}

protected:
    bool KeyAccepted(const std::string& typed, const std::vector<std::string>& lines) const override;
    TRuled ApplyRule(const std::vector<std::string>& lines) const override;
    // The stored lines end in carriage returns.
    QString Shown(const std::string& stored) const override;
};

} // namespace korvisel
