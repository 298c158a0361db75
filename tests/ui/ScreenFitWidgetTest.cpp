// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs on a screen smaller than they were designed for, and with a larger
// font than the design's: everything stays inside the screen and within reach, and no caption is
// cut without saying so.
#include "editor/NodeCaption.h"
#include "settings/WindowPlacement.h"
#include "ui/widgets/ElidedLabel.h"

#include "OnDemandDialogs.h"
#include "ui/widgets/InfoList.h"

#include "ui/WindowTest.h"

#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolTip>

namespace korvisel {
namespace {

QRect Available(const QWidget& window) {
    return window.screen()->availableGeometry();
}

class ScreenFitTest : public test::WindowTest {
protected:
    // The window of a new run, which reads what the settings hold then.
    void StartAgain() {
        window = std::make_unique<TApplicationForm>(boxes, store);
        ShowAndActivate();
    }
    QScrollArea* PageScroll() { return Find<QScrollArea>("PageScroll"); }
};

TEST_F(ScreenFitTest, TheWindowIsResizableAndThePagesTakeTheRoom) {
    ShowAndActivate();
    EXPECT_LT(window->minimumWidth(), window->maximumWidth());
    EXPECT_LT(window->minimumHeight(), window->maximumHeight());
    EXPECT_TRUE(Available(*window).contains(window->frameGeometry())) << "the design is larger than 800x600";

    const QSize pages = PageScroll()->size();
    window->resize(window->size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_EQ(PageScroll()->size(), pages + QSize(300, 200)) << "the extra room goes to the page area";
}

TEST_F(ScreenFitTest, ThePlaceOfTheLastRunReturnsInsideTheScreen) {
    const QRect area = Available(*window);
    struct Case {
        const char* what;
        TWindowPlacement stored;
    };
    const Case cases[] = {
        {"from a bigger screen", {{-300, -200, 3000, 2000}, false}},
        {"beyond the right and the bottom", {{area.right() - 100, area.bottom() - 50, 500, 400}, false}},
        {"maximised over a bigger screen", {{1900, 1000, 2400, 1300}, true}},
        {"inside", {{40, 60, 500, 400}, false}},
    };
    for (const Case& c : cases) {
        window.reset();
        WriteWindowPlacement(store, c.stored);
        StartAgain();
        EXPECT_TRUE(area.contains(window->frameGeometry()))
            << c.what << ": " << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        EXPECT_EQ(window->isMaximized(), c.stored.Maximized) << c.what;
        const TWindowPlacement shown{{window->x(), window->y(), window->width(), window->height()},
                                     window->isMaximized()};
        if (!c.stored.Maximized) {
            window.reset();
            EXPECT_EQ(ReadWindowPlacement(store), shown) << c.what << ": kept for the next run";
        }
    }
    EXPECT_EQ(ReadWindowPlacement(store), (TWindowPlacement{{40, 60, 500, 400}, false}))
        << "a place that fits is kept as it was";
}

TEST_F(ScreenFitTest, ASmallWindowScrollsToEveryControlOfAPage) {
    ShowAndActivate();
    window->resize(window->minimumSize().expandedTo(QSize(420, 300)));
    QApplication::processEvents();
    QWidget* viewport = PageScroll()->viewport();
    for (const TNodeKind kind : {nkPhones, nkInputData, nkInputAlarm, nkOutputControlSms, nkPrintComment}) {
        Select(kind);
        const QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        EXPECT_TRUE(PageScroll()->verticalScrollBar()->maximum() > 0 ||
                    PageScroll()->horizontalScrollBar()->maximum() > 0)
            << page->objectName().toStdString() << " is larger than the window leaves it";
        int reached = 0;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            const bool usable = qobject_cast<QAbstractButton*>(control) ||
                                qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                                qobject_cast<QAbstractItemView*>(control);
            if (!usable || !control->isVisible())
                continue;
            // What the user does with the scroll bars: the control whole in view where it fits,
            // else from its top left corner on.
            const QRect place(control->mapTo(PageScroll()->widget(), QPoint(0, 0)), control->size());
            const bool fits =
                control->width() <= viewport->width() && control->height() <= viewport->height();
            if (fits) {
                PageScroll()->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 1,
                                            place.height() / 2 + 1);
            } else {
                PageScroll()->horizontalScrollBar()->setValue(place.x());
                PageScroll()->verticalScrollBar()->setValue(place.y());
            }
            QApplication::processEvents();
            const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
            EXPECT_TRUE(fits ? viewport->rect().contains(shown) : viewport->rect().contains(shown.topLeft()))
                << page->objectName().toStdString() << ": " << control->objectName().toStdString() << " at "
                << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height() << " in "
                << viewport->width() << "x" << viewport->height();
            ++reached;
        }
        EXPECT_GT(reached, 0) << page->objectName().toStdString();
    }
}

TEST_F(ScreenFitTest, EveryDialogOpensInsideTheScreen) {
    ShowAndActivate();
    const QRect area = Available(*window);
    QDialog question(window.get());
    question.resize(200, 100);
    question.show();
    QApplication::processEvents();
    EXPECT_LE((question.geometry().center() - window->geometry().center()).manhattanLength(), 4)
        << "a dialog nobody placed is still centred over the window";
    question.hide();

    auto* plain = new QDialog(window.get());
    plain->setObjectName("TooLargeDialog");
    plain->resize(area.size() + QSize(200, 300));
    test::MakeOnDemandDialogs(*window);
    const QList<QDialog*> dialogs = window->findChildren<QDialog*>();
    ASSERT_GE(dialogs.size(), 10) << "print preview, settings, backups, code library, comparison, several "
                                     "devices, transfer, phone, audio and one made here";
    for (QDialog* dialog : dialogs) {
        for (const QPoint corner : {area.bottomRight() - QPoint(40, 30), QPoint(-500, -400)}) {
            dialog->move(corner);
            dialog->show();
            QApplication::processEvents();
            EXPECT_TRUE(area.contains(dialog->frameGeometry()))
                << dialog->metaObject()->className() << " " << dialog->objectName().toStdString() << " at "
                << dialog->frameGeometry().x() << "," << dialog->frameGeometry().y() << " "
                << dialog->frameGeometry().width() << "x" << dialog->frameGeometry().height();
            dialog->hide();
        }
    }
}

TEST_F(ScreenFitTest, ALongTreeCaptionIsElidedWithItsWholeTextAsTooltip) {
    ShowAndActivate();
    auto* tree = test::Part<TNavigationTreeView>(*window);
    tree->expandAll();
    auto* splitter = Find<QSplitter>("Panel1");
    for (const int treeWidth : {130, 420}) {
        splitter->setSizes({treeWidth, 400});
        QApplication::processEvents();
        int elided = 0;
        for (int node = 0; node < static_cast<int>(tree->Tree().Nodes().size()); ++node) {
            tree->scrollToItem(tree->ItemOf(node));
            QApplication::processEvents();
            const QString whole =
                QString::fromStdString(NodeCaption(tree->Tree().Node(node).Data, tree->Texts()));
            const QString shown = tree->ShownCaption(node);
            const QPoint row = tree->visualItemRect(tree->ItemOf(node)).center();
            QHelpEvent hover(QEvent::ToolTip, row, tree->viewport()->mapToGlobal(row));
            QApplication::sendEvent(tree->viewport(), &hover);
            if (shown == whole) {
                EXPECT_FALSE(QToolTip::isVisible() && QToolTip::text() == whole)
                    << whole.toStdString() << ": shown whole, no tooltip";
                continue;
            }
            ++elided;
            EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
            EXPECT_TRUE(QToolTip::isVisible() && QToolTip::text() == whole) << whole.toStdString();
        }
        if (treeWidth < 200)
            EXPECT_GT(elided, 5) << "a narrow tree cuts the long captions";
        else
            EXPECT_EQ(elided, 0) << "a wide tree shows them whole";
        QToolTip::hideText();
        QTest::qWait(500); // a tooltip fades out
    }
}

// A 14 point font, as a desktop with large text hands the program.
class LargeFontTest : public ScreenFitTest {
protected:
    QFont designed = QApplication::font();
    void SetUp() override {
        QFont large = designed;
        large.setPointSize(14);
        QApplication::setFont(large);
        ScreenFitTest::SetUp();
    }
    void TearDown() override {
        ScreenFitTest::TearDown();
        QApplication::setFont(designed);
    }
};

TEST_F(LargeFontTest, CaptionsAndTheStatusBarAreNotCut) {
    ShowAndActivate();
    window->resize(Available(*window).size());
    Select(nkInputSignal, 1);
    for (auto* radio : Shown<TNodePage>()->findChildren<QRadioButton*>())
        EXPECT_GE(radio->width(), radio->sizeHint().width()) << radio->text().toStdString();
    auto* summary = Find<TElidedLabel>("PortSummary");
    EXPECT_EQ(summary->ShownText(), summary->FullText());
    test::ExpectStatusBarItemsApart(*window->statusBar());
}

TEST_F(LargeFontTest, SummaryListsKeepTheirSizeRelativeToTheFont) {
    struct Case {
        int designedPoints;
        int points;
    };
    for (const Case c : {Case{8, 14}, Case{9, 16}, Case{10, 18}}) {
        TExtensionList list;
        list.SetDesignedLook(c.designedPoints, 16);
        EXPECT_EQ(list.font().pointSize(), c.points) << c.designedPoints;
        EXPECT_GE(list.ItemHeight(), QFontMetrics(list.font()).height()) << "rows hold the larger font";
    }
}

} // namespace
} // namespace korvisel
