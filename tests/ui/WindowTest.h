// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on the offscreen platform with its settings, data folder and message boxes of its
// own, and the steps the window tests share.
#pragma once

#include "ui/app/MainWindow.h"
#include "ui/app/PageStack.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/widgets/NavigationTreeView.h"

#include "TempFolder.h"
#include "link/PtyPorts.h"
#include "ui/ScriptedBoxes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMimeData>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace korvisel::test {

// A part of the window a test drives (a dialog, a page, a controller): the window's only child of
// its type.
template <typename T> T* Part(const QObject& window) {
    const QList<T*> parts = window.findChildren<T*>();
    EXPECT_EQ(parts.size(), 1) << "parts of one type";
    return parts.isEmpty() ? nullptr : parts.front();
}

// The window's title as the desktop shows it: its "[*]" is a "*" while the project is unsaved.
inline std::string ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    title.replace("[*]", window.isWindowModified() ? "*" : "");
    return title.toStdString();
}

// The status bar's items each keep a section of their own: none runs into another or out of the bar.
inline void ExpectStatusBarItemsApart(const QStatusBar& bar) {
    std::vector<const QWidget*> items;
    for (const QWidget* item : bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (item->isVisible() && !item->objectName().isEmpty())
            items.push_back(item);
    for (std::size_t a = 0; a < items.size(); ++a) {
        EXPECT_TRUE(bar.rect().contains(items[a]->geometry())) << items[a]->objectName().toStdString();
        for (std::size_t b = a + 1; b < items.size(); ++b)
            EXPECT_FALSE(items[a]->geometry().intersects(items[b]->geometry()))
                << items[a]->objectName().toStdString() << " runs into "
                << items[b]->objectName().toStdString();
    }
}

// Selects the first node of a kind that belongs to input `number` (0: any).
inline void SelectNode(TApplicationForm& window, TNodeKind kind, int number = 0) {
    const auto& nodes = test::Part<TNavigationTreeView>(window)->Tree().Nodes();
    for (std::size_t n = 0; n < nodes.size(); ++n)
        if (nodes[n].Data.Kind == kind && (number == 0 || nodes[n].Data.Input == number)) {
            test::Part<TNavigationTreeView>(window)->SelectNode(static_cast<int>(n));
            QApplication::processEvents();
            return;
        }
    ADD_FAILURE() << "no node of kind " << int(kind);
}

// A click on a check box itself; its row is wider than its text.
inline void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// A turn of the wheel over `control` at `at`, as the desktop delivers it.
inline void Wheel(QWidget* control, int steps, QPointF at) {
    QWheelEvent wheel(at, control->mapToGlobal(at), {}, QPoint(0, -120 * steps), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
    QApplication::processEvents();
}
inline void Wheel(QWidget* control, int steps) {
    Wheel(control, steps, QPointF(control->width() / 2.0, control->height() / 2.0));
}

// Text dragged from elsewhere and dropped on `target` at `at`.
inline void Drop(QWidget* target, const QString& text, QPointF at) {
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();
}
inline void Drop(QWidget* target, const QString& text) {
    Drop(target, text, QPointF(target->width() - 4.0, target->height() / 2.0));
}

class WindowTest : public ::testing::Test {
protected:
    TempFolder folder;
    PtyPorts ports; // no serial port present
    TSettingsStore store{folder.File("registry.reg")};
    ScriptedBoxes boxes;
    std::unique_ptr<TApplicationForm> window;

    void SetUp() override {
        ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
        window = std::make_unique<TApplicationForm>(boxes, store);
    }
    void TearDown() override {
        window.reset();
        ::unsetenv("XDG_DATA_HOME");
    }
    void ShowAndActivate() {
        window->show();
        QApplication::processEvents();
        QTest::qWait(20);
    }
    // What a desktop does when a modal dialog closes: the window is active again, so its shortcuts work.
    void ActivateAgain() {
        window->activateWindow();
        QApplication::processEvents();
        QEvent change(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &change);
    }
    const TProjectInfo& Project() { return window->Document().Project(); }
    bool Modified() { return window->Document().Modified(); }
    // A project put in place as if opened from its file: unmodified, with a history of its own.
    void Put(const TProjectInfo& project) { window->Document().Replace(project, window->Document().Print()); }
    void PutPrint(const TDopPrintInfo& print) { window->Document().Replace(Project(), print); }
    // The project changed as a file another program wrote would hold it, opened unmodified.
    template <typename Change> void Opened(Change&& change) {
        TProjectInfo project = Project();
        change(project);
        Put(project);
    }
    // An edit of the project as a test makes it, outside any page.
    template <typename Change> void Edit(Change&& change) {
        window->Document().Edit({}, std::forward<Change>(change));
    }
    int TopLevel(int position) {
        return test::Part<TNavigationTreeView>(*window)
            ->Tree()
            .TopLevel()[static_cast<std::size_t>(position)];
    }
    void Select(TNodeKind kind, int number = 0) { SelectNode(*window, kind, number); }
    template <typename Page> Page* Shown() {
        return qobject_cast<Page*>(Part<TPageStack>(*window)->currentWidget());
    }
    QAction* Undo() { return window->Action("ActUndo"); }
    QAction* Redo() { return window->Action("ActRedo"); }
    // A key pressed where the focus is, as the user presses it.
    void Press(QKeyCombination key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QApplication::processEvents();
    }
    template <typename Widget> Widget* Find(const char* name) {
        Widget* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

// Runs `answer` on a modal dialog once it is on screen; it must close the dialog.
template <typename Dialog> void WhenDialogShows(Dialog* dialog, std::function<void(Dialog&)> answer) {
    auto* timer = new QTimer(dialog);
    QObject::connect(timer, &QTimer::timeout, dialog, [dialog, timer, answer] {
        if (QApplication::activeModalWidget() != dialog)
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(5);
}

inline void WhenPhoneDialogShows(TPhoneDialog* dialog, std::function<void(TPhoneDialog&)> answer) {
    WhenDialogShows(dialog, std::move(answer));
}

} // namespace korvisel::test
