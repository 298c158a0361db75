// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only info list: each row is markup that the core lays out; this widget only measures
// rows through Qt's font metrics and paints what the layout says.
#pragma once

#include "i18n/LanguageTexts.h"
#include "markup/Markup.h"

#include <QFont>
#include <QListWidget>
#include <QStyledItemDelegate>

#include <string>
#include <vector>

namespace korvisel {

// Markup fonts are the list's family with the style, size and colour the codes set.
QFont MarkupQFont(const QFont& family, const TMarkupFont& font);

class TQtFontMetrics : public IFontMetrics {
public:
    explicit TQtFontMetrics(QFont family) : family_(std::move(family)) {}
    int TextWidth(std::string_view text, const TMarkupFont& font) override;
    int TextHeight(std::string_view text, const TMarkupFont& font) override;

private:
    QFont family_;
};

class TExtensionList : public QListWidget {
    Q_OBJECT
public:
    explicit TExtensionList(QWidget* parent = nullptr);

    // Clears the list and adds the rows; heights and the frame colour each row starts with are
    // fixed here, as they are when rows are added. Each row's text without its codes is what a
    // screen reader reads; a row of none is read as a blank line in the language of `texts`.
    void SetRows(const std::vector<std::string>& rows, const TLanguageTexts& texts);
    std::vector<std::string> Rows() const;

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }
    // The list's font and row height as designed for the window's 8 point font, kept in proportion
    // to the application's font: a larger desktop font enlarges the list too, and rows grow to hold it.
    void SetDesignedLook(int pointSize, int itemHeight);
    bool SelColorEn() const { return selColorEn_; }
    void SetSelColorEn(bool enabled);
    // Lists that take the keyboard focus when the mouse moves over them.
    void SetTakesFocusOnHover(bool takes) { takesFocusOnHover_ = takes; }

    TMarkupFont ListMarkupFont() const;

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    int itemHeight_ = 16;
    bool selColorEn_ = false;
    bool takesFocusOnHover_ = false;
};

class TMarkupDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TMarkupDelegate(TExtensionList* list) : QStyledItemDelegate(list), list_(list) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TExtensionList* list_;
};

} // namespace korvisel
