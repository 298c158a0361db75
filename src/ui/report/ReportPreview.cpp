// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report/ReportPreview.h"

#include "ui/widgets/ToolBarNames.h"

#include "core/SafeText.h"
#include "files/FileIo.h"
#include "ui/report/ReportPainter.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QAction>
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
#include <QToolBar>
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
      pageLabel_(new QLabel(this)), zoomLabel_(new QLabel(this)), findField_(new QLineEdit(this)),
      findStatus_(new QLabel(this)) {
    setObjectName("ReportPreview");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(940, 900);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);

    // A tool bar: on a narrow screen what does not fit goes behind its extension button.
    auto* bar = new QToolBar(this);
    toolBar_ = bar;
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Each button's caption (none: its symbol stays) and tip are text keys.
    const auto add = [&](const char* symbol, TTextKey caption, TTextKey tip, const QKeySequence& key,
                         auto slot) {
        // An action of the dialog, so that its key works wherever the focus is in the window.
        auto* action = new QAction(symbol, this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        bar->addAction(action);
        buttons_.push_back({action, caption, tip});
    };
    add("|<", nullptr, "PRG_PREVIEW_FIRST", QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { GoToPage(0); });
    add("<", nullptr, "PRG_PREVIEW_PREVIOUS", QKeySequence(Qt::Key_PageUp), [this] { GoToPage(page_ - 1); });
    pageLabel_->setMinimumWidth(90);
    pageLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(pageLabel_);
    add(">", nullptr, "PRG_PREVIEW_NEXT", QKeySequence(Qt::Key_PageDown), [this] { GoToPage(page_ + 1); });
    add(">|", nullptr, "PRG_PREVIEW_LAST", QKeySequence(Qt::CTRL | Qt::Key_End),
        [this] { GoToPage(PageCount() - 1); });
    bar->addSeparator();
    add("", "PRG_PREVIEW_FIT_WIDTH", "PRG_PREVIEW_FIT_WIDTH_TIP", QKeySequence(), [this] { FitWidth(); });
    add("", "PRG_PREVIEW_FIT_PAGE", "PRG_PREVIEW_FIT_PAGE_TIP", QKeySequence(), [this] { FitPage(); });
    add("-", nullptr, "PRG_PREVIEW_ZOOM_OUT", QKeySequence(QKeySequence::ZoomOut),
        [this] { ZoomBy(1 / 1.25); });
    zoomLabel_->setMinimumWidth(48);
    zoomLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(zoomLabel_);
    add("+", nullptr, "PRG_PREVIEW_ZOOM_IN", QKeySequence(QKeySequence::ZoomIn), [this] { ZoomBy(1.25); });
    bar->addSeparator();
    findField_->setClearButtonEnabled(true);
    findField_->setMinimumWidth(130);
    findField_->setMaximumWidth(180);
    bar->addWidget(findField_);
    add("", "PRG_PREVIEW_FIND_PREVIOUS", "PRG_PREVIEW_FIND_PREVIOUS_TIP",
        QKeySequence(QKeySequence::FindPrevious), [this] { Find(findField_->text(), false); });
    add("", "PRG_PREVIEW_FIND_NEXT", "PRG_PREVIEW_FIND_NEXT_TIP", QKeySequence(QKeySequence::FindNext),
        [this] { Find(findField_->text(), true); });
    findStatus_->setObjectName("FindStatus");
    bar->addWidget(findStatus_);
    auto* stretch = new QWidget(bar);
    stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(stretch);
    add("", "PRG_PREVIEW_PRINT", "PRG_PREVIEW_PRINT_TIP", QKeySequence(QKeySequence::Print),
        [this] { Print(); });
    add("", "PRG_PREVIEW_PDF", "PRG_PREVIEW_PDF_TIP", QKeySequence(QKeySequence::Save),
        [this] { SaveAsPdfChosen(); });
    add("", "PRG_PREVIEW_CLOSE", "PRG_PREVIEW_CLOSE_TIP", QKeySequence(), [this] { accept(); });
    connect(findField_, &QLineEdit::returnPressed, this, [this] { Find(findField_->text(), true); });
    connect(findField_, &QLineEdit::textEdited, findStatus_, &QLabel::clear);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(bar);
    layout->addWidget(scroll_, 1);
    // Print data that does not fit its box is cut short on paper: said under the pages.
    cutNote_ = new QLabel(this);
    cutNote_->setObjectName("CutNote");
    // A warning's red, lightened on a dark theme until it reads.
    cutNote_->setStyleSheet(
        QString("color: %1").arg(ReadableOn(0xB00020, palette(), QPalette::Window).name()));
    cutNote_->setWordWrap(true);
    cutNote_->hide();
    layout->addWidget(cutNote_);

    PdfFileChooser = [this](const std::string& suggested) {
        return QFileDialog::getSaveFileName(this, T("PRG_PREVIEW_PDF").remove(" ..."),
                                            QString::fromStdString(suggested), T("PRG_PREVIEW_PDF_FILTER"))
            .toStdString();
    };
    ApplyTexts(TLanguageTexts::BuiltInEnglish());
}

QString TReportPreview::T(TTextKey key) const {
    return QString::fromStdString(texts_.Text(key));
}

void TReportPreview::ApplyTexts(const TLanguageTexts& texts) {
    texts_ = texts;
    setWindowTitle(T("PRG_PREVIEW_TITLE"));
    for (const TButton& b : buttons_) {
        if (b.Caption)
            b.Action->setText(T(b.Caption));
        const QKeySequence key = b.Action->shortcut();
        b.Action->setToolTip(key.isEmpty() ? T(b.Tip)
                                           : T(b.Tip) + " (" + key.toString(QKeySequence::NativeText) + ")");
    }
    findField_->setPlaceholderText(T("PRG_PREVIEW_FIND"));
    findField_->setAccessibleName(T("PRG_PREVIEW_FIND"));
    NameExtensionButton(*toolBar_, T("PRG_A11Y_MORE_COMMANDS"));
    ShowPage();
}

void TReportPreview::SaveAsPdfChosen() {
    const std::string chosen = PdfFileChooser(pdf_);
    if (chosen.empty())
        return;
    // A name typed without an extension is what the user meant as a PDF file.
    const std::string path = WithDefaultExtension(chosen, ".pdf");
    if (const TResult<> saved = SaveAsPdf(path); !saved.Ok())
        QMessageBox::critical(this, "Korvisel",
                              T("PRG_PREVIEW_PDF_FAILED")
                                  .arg(QString::fromStdString(path), QString::fromStdString(saved.Reason())));
}

void TReportPreview::Prepare(std::vector<TReportPage> pages, std::string pdf) {
    pages_ = std::move(pages);
    pdf_ = std::move(pdf);
    QStringList cut;
    for (const std::string& text : CutShortTexts(pages_))
        cut << QString::fromStdString(EchoedValue(text));
    cutNote_->setText(cut.isEmpty() ? QString() : T("PRG_PREVIEW_CUT") + " \"" + cut.join("\", \"") + "\"");
    cutNote_->setVisible(!cut.isEmpty());
    page_ = 0;
    found_.clear();
    current_ = -1;
    findText_.clear();
    findField_->clear();
    findStatus_->clear();
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
        findStatus_->setText(text.isEmpty() ? QString() : T("PRG_PREVIEW_NO_MATCH"));
        ShowPage();
        return false;
    }
    const int count = static_cast<int>(found_.size());
    current_ = current_ < 0 ? (forward ? 0 : count - 1) : (current_ + (forward ? 1 : count - 1)) % count;
    page_ = found_[static_cast<std::size_t>(current_)].Page;
    findStatus_->setText(T("PRG_PREVIEW_MATCH").arg(current_ + 1).arg(count));
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
    pageLabel_->setText(T("PRG_PREVIEW_PAGE").arg(page_ + 1).arg(PageCount()));
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

TResult<> TReportPreview::SaveAsPdf(const std::string& path) {
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
