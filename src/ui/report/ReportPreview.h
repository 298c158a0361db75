// SPDX-License-Identifier: GPL-3.0-or-later
// The report's preview: one page at a time at a chosen zoom, with page turning, find, print and
// save as PDF.
#pragma once

#include "i18n/LanguageTexts.h"
#include "report/ReportLayout.h"
#include "ui/report/ReportPainter.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QToolBar;
class QScrollArea;

namespace korvisel {

class TReportPageView : public QWidget {
    Q_OBJECT
public:
    explicit TReportPageView(QWidget* parent = nullptr);
    void Show(const TReportPage* page, double dotsPerMm, TReportMarks marks);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TReportPage* page_ = nullptr;
    double dotsPerMm_ = 3;
    TReportMarks marks_;
};

class TReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TReportPreview(QWidget* parent = nullptr);

    // The captions, tips and notes in the interface's language.
    void ApplyTexts(const TLanguageTexts& texts);
    // Takes the pages and shows the first, fitted to the window's width; `pdf` is the file Save as PDF
    // suggests.
    void Prepare(std::vector<TReportPage> pages, std::string pdf);

    int PageIndex() const { return page_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    double DotsPerMm() const { return dotsPerMm_; }
    void GoToPage(int page);
    void FitWidth();
    void FitPage();
    void ZoomBy(double factor);
    // Marks every run holding the text and moves to the next (or previous) one; false when none.
    bool Find(const QString& text, bool forward = true);
    int FoundCount() const { return static_cast<int>(found_.size()); }
    void Print();
    // Empty on success, else why not.
    TResult<> SaveAsPdf(const std::string& path);

    // The file dialog of Save as PDF, starting at the suggested file; tests put their own in place.
    // Empty when cancelled.
    std::function<std::string(const std::string& suggested)> PdfFileChooser;
    QLineEdit* FindField() const { return findField_; }
    // "Not found", or which match is shown.
    QLabel* FindStatus() const { return findStatus_; }
    // What the pages cut short, said under them; hidden when nothing is.
    QLabel* CutNote() const { return cutNote_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPage();
    void SaveAsPdfChosen();
    QString T(TTextKey key) const;

    struct TButton {
        QAction* Action;
        TTextKey Caption; // nullptr: the button shows a symbol
        TTextKey Tip;
    };
    std::vector<TButton> buttons_;
    TLanguageTexts texts_;
    std::vector<TReportPage> pages_;
    std::string pdf_;
    int page_ = 0;
    double dotsPerMm_ = 3;
    bool fitWidth_ = true;
    std::vector<TRunRef> found_;
    int current_ = -1;
    QString findText_;
    QScrollArea* scroll_;
    TReportPageView* view_;
    QLabel* pageLabel_;
    QLabel* zoomLabel_;
    QToolBar* toolBar_ = nullptr;
    QLineEdit* findField_;
    QLabel* findStatus_;
    QLabel* cutNote_ = nullptr;
};

} // namespace korvisel
