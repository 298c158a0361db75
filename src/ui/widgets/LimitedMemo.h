// SPDX-License-Identifier: GPL-3.0-or-later
// Memos whose text the project keeps under a rule: an SMS text (ten characters of the SMS table, its
// lines joined) and the report's comment (300 characters, each line followed by a carriage return).
// A memo refuses the keys its rule refuses, puts right what was pasted, and reports the text to
// keep after every change.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace korvisel {

class TLimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // Clears the memo and shows the stored text; the rule runs on it.
    void ShowStored(const std::string& text);

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

    std::string ToText(const QString& text) const;
    QString FromText(const std::string& text) const;

    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<std::string> Lines() const;
    void RuleChanged();

    bool deviceBytes_;
};

class TSmsMemo : public TLimitedMemo {
    Q_OBJECT
public:
    explicit TSmsMemo(QWidget* parent = nullptr) : TLimitedMemo(true, parent) {}

protected:
    bool KeyAccepted(const std::string& typed, const std::vector<std::string>& lines) const override;
    TRuled ApplyRule(const std::vector<std::string>& lines) const override;
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
