// A memo for one SMS text: it refuses characters the SMS table lacks and an eleventh character, and
// reports the text the project keeps after every change, its lines joined.
#pragma once

#include <QPlainTextEdit>

#include <string>

namespace korvisel {

class TSmsMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TSmsMemo(QWidget* parent = nullptr);

    // Clears the memo and writes the stored text into its first line; the change rule runs on it.
    void ShowStored(const std::string& text);

signals:
    void Stored(const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyRule();
};

} // namespace korvisel
