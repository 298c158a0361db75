#include "report/ReportPreview.h"

#include "core/SafeText.h"
#include "report/ReportPainter.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr double SheetWidth = 210;
constexpr double SheetHeight = 297;
// The grey margin around the sheet in the preview.
constexpr int Margin = 16;

} // namespace

TReportPageView::TReportPageView(QWidget* parent) : QWidget(parent) {
    setObjectName("ReportPage");
}

void TReportPageView::Show(const TReportPage* page, double dotsPerMm, TReportMarks marks) {
    page_ = page;
    dotsPerMm_ = dotsPerMm;
    marks_ = std::move(marks);
    resize(sizeHint());
    update();
}

QSize TReportPageView::sizeHint() const {
    return {static_cast<int>(SheetWidth * dotsPerMm_) + 2 * Margin,
            static_cast<int>(SheetHeight * dotsPerMm_) + 2 * Margin};
}

void TReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x86, 0x8c));
    const QRectF sheet(Margin, Margin, SheetWidth * dotsPerMm_, SheetHeight * dotsPerMm_);
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 70));
    painter.fillRect(sheet, Qt::white);
    if (!page_)
        return;
    painter.translate(sheet.topLeft());
    PaintReportPage(painter, *page_, dotsPerMm_, marks_);
}

TReportPreview::TReportPreview(QWidget* parent)
    : QDialog(parent), scroll_(new QScrollArea(this)), view_(new TReportPageView),
      pageLabel_(new QLabel(this)), zoomLabel_(new QLabel(this)), findField_(new QLineEdit(this)) {
    setObjectName("ReportPreview");
    setWindowTitle("Print Preview");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(940, 900);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    const auto add = [&](const QString& text, const QString& tip, const QKeySequence& key, auto slot) {
        QToolButton* button = AddButton(text, tip, key);
        connect(button, &QToolButton::clicked, this, slot);
        bar->addWidget(button);
        return button;
    };
    add("|<", "First page", QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { GoToPage(0); });
    add("<", "Previous page", QKeySequence(Qt::Key_PageUp), [this] { GoToPage(page_ - 1); });
    pageLabel_->setMinimumWidth(90);
    pageLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(pageLabel_);
    add(">", "Next page", QKeySequence(Qt::Key_PageDown), [this] { GoToPage(page_ + 1); });
    add(">|", "Last page", QKeySequence(Qt::CTRL | Qt::Key_End), [this] { GoToPage(PageCount() - 1); });
    bar->addSpacing(12);
    add("Fit width", "Zoom to the width of the window", QKeySequence(), [this] { FitWidth(); });
    add("Fit page", "Zoom to the whole page", QKeySequence(), [this] { FitPage(); });
    add("-", "Zoom out", QKeySequence(QKeySequence::ZoomOut), [this] { ZoomBy(1 / 1.25); });
    zoomLabel_->setMinimumWidth(48);
    zoomLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(zoomLabel_);
    add("+", "Zoom in", QKeySequence(QKeySequence::ZoomIn), [this] { ZoomBy(1.25); });
    bar->addSpacing(12);
    findField_->setPlaceholderText("Find");
    findField_->setClearButtonEnabled(true);
    findField_->setMinimumWidth(130);
    findField_->setMaximumWidth(180);
    bar->addWidget(findField_);
    add("Previous", "Find the previous match", QKeySequence(QKeySequence::FindPrevious),
        [this] { Find(findField_->text(), false); });
    add("Next", "Find the next match", QKeySequence(QKeySequence::FindNext),
        [this] { Find(findField_->text(), true); });
    bar->addStretch();
    add("Print ...", "Print the report", QKeySequence(QKeySequence::Print), [this] { Print(); });
    add("Save as PDF ...", "Save the report as a PDF file", QKeySequence(QKeySequence::Save), [this] {
        const std::string path = PdfFileChooser();
        if (path.empty())
            return;
        if (const std::string error = SaveAsPdf(path); !error.empty())
            QMessageBox::critical(this, "Korvisel",
                                  QString("The report could not be saved as\n%1\n\n%2")
                                      .arg(QString::fromStdString(path), QString::fromStdString(error)));
    });
    add("Close", "Close the preview", QKeySequence(), [this] { accept(); });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { Find(findField_->text(), true); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    // Print data that does not fit its box is cut short on paper: said under the pages.
    cutNote_ = new QLabel(this);
    cutNote_->setObjectName("CutNote");
    cutNote_->setStyleSheet("color: #b00020");
    cutNote_->setWordWrap(true);
    cutNote_->hide();
    layout->addWidget(cutNote_);

    PdfFileChooser = [this] {
        return QFileDialog::getSaveFileName(this, "Save as PDF", "device-profile.pdf", "PDF files (*.pdf)")
            .toStdString();
    };
}

QToolButton* TReportPreview::AddButton(const QString& text, const QString& tip, const QKeySequence& key) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolTip(key.isEmpty() ? tip : tip + " (" + key.toString(QKeySequence::NativeText) + ")");
    if (!key.isEmpty())
        button->setShortcut(key);
    button->setAutoRaise(true);
    return button;
}

void TReportPreview::Prepare(std::vector<TReportPage> pages) {
    pages_ = std::move(pages);
    QStringList cut;
    for (const std::string& text : CutShortTexts(pages_))
        cut << QString::fromStdString(EchoedValue(text));
    cutNote_->setText(cut.isEmpty()
                          ? QString()
                          : "Cut short on paper, as it does not fit its box: \"" + cut.join("\", \"") + "\"");
    cutNote_->setVisible(!cut.isEmpty());
    page_ = 0;
    found_.clear();
    current_ = -1;
    findText_.clear();
    findField_->clear();
    FitWidth();
}

void TReportPreview::GoToPage(int page) {
    if (pages_.empty())
        return;
    page_ = std::clamp(page, 0, PageCount() - 1);
    ShowPage();
    scroll_->verticalScrollBar()->setValue(0);
}

void TReportPreview::FitWidth() {
    fitWidth_ = true;
    // A fitted page is taller than the window, so its scroll bar takes part of the width.
    const int width = scroll_->width() - 2 * scroll_->frameWidth() -
                      scroll_->verticalScrollBar()->sizeHint().width() - 2 * Margin - 1;
    dotsPerMm_ = std::max(0.5, width / SheetWidth);
    ShowPage();
}

void TReportPreview::FitPage() {
    fitWidth_ = false;
    const QSize viewport = scroll_->viewport()->size() - QSize(2 * Margin, 2 * Margin);
    dotsPerMm_ = std::max(0.5, std::min(viewport.width() / SheetWidth, viewport.height() / SheetHeight));
    ShowPage();
}

void TReportPreview::ZoomBy(double factor) {
    fitWidth_ = false;
    dotsPerMm_ = std::clamp(dotsPerMm_ * factor, 0.5, 20.0);
    ShowPage();
}

bool TReportPreview::Find(const QString& text, bool forward) {
    if (text != findText_) {
        findText_ = text;
        found_ = FindInReport(pages_, text.toStdString());
        current_ = -1;
    }
    if (found_.empty()) {
        ShowPage();
        return false;
    }
    const int count = static_cast<int>(found_.size());
    current_ = current_ < 0 ? (forward ? 0 : count - 1) : (current_ + (forward ? 1 : count - 1)) % count;
    page_ = found_[static_cast<std::size_t>(current_)].Page;
    ShowPage();
    return true;
}

void TReportPreview::ShowPage() {
    if (pages_.empty()) {
        view_->Show(nullptr, dotsPerMm_, {});
        pageLabel_->clear();
        return;
    }
    TReportMarks marks;
    for (std::size_t n = 0; n < found_.size(); ++n)
        if (found_[n].Page == page_) {
            marks.Found.push_back(found_[n].Run);
            if (static_cast<int>(n) == current_)
                marks.Current = found_[n].Run;
        }
    view_->Show(&pages_[static_cast<std::size_t>(page_)], dotsPerMm_, marks);
    pageLabel_->setText(QString("Page %1 of %2").arg(page_ + 1).arg(PageCount()));
    zoomLabel_->setText(QString("%1%").arg(qRound(dotsPerMm_ / (96 / 25.4) * 100)));
}

void TReportPreview::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName("Device profile");
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PaintReport(printer, pages_);
}

std::string TReportPreview::SaveAsPdf(const std::string& path) {
    return WriteReportPdf(path, pages_);
}

void TReportPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (fitWidth_ && !pages_.empty())
        FitWidth();
}

void TReportPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (fitWidth_ && !pages_.empty())
        FitWidth();
}

void TReportPreview::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Find)) {
        findField_->setFocus();
        findField_->selectAll();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace korvisel
