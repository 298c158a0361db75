// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets: every control a user operates, on every page and in every dialog, has
// a name (its own, or the label tied to it), in the window's language.
#include "ui/widgets/InfoList.h"

#include "OnDemandDialogs.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/PhoneGrid.h"

#include "ui/ChosenLanguage.h"
#include "ui/WindowTest.h"

#include <QAccessible>
#include <QDialog>

namespace korvisel {
namespace {

bool IsControl(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::TreeItem:
    case QAccessible::Cell:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

struct TControlCount {
    int Controls = 0;
    QStringList Nameless; // each as its class and object name, with the nearest named parent's
};

QString Describe(QAccessibleInterface* control) {
    QString where = QString::number(control->role(), 16);
    for (QAccessibleInterface* at = control; at; at = at->parent()) {
        if (QObject* object = at->object()) {
            where +=
                QStringLiteral(" in %1 \"%2\"").arg(object->metaObject()->className(), object->objectName());
            break;
        }
    }
    return where;
}

void Count(QAccessibleInterface* at, TControlCount& count, int depth = 0) {
    if (!at || !at->isValid() || at->state().invisible || depth > 40)
        return;
    if (IsControl(at->role())) {
        ++count.Controls;
        if (at->text(QAccessible::Name).trimmed().isEmpty() && at->relations(QAccessible::Label).isEmpty())
            count.Nameless << Describe(at);
    }
    for (int i = 0; i < at->childCount(); ++i)
        Count(at->child(i), count, depth + 1);
}

TControlCount CountIn(QWidget* root) {
    TControlCount count;
    Count(QAccessible::queryAccessibleInterface(root), count);
    return count;
}

using AccessibilityTest = test::LanguageWindowTest;

TEST_P(AccessibilityTest, EveryControlOnEveryPageHasAName) {
    TNavigationTreeView* tree = test::Part<TNavigationTreeView>(*window);
    tree->expandAll();
    for (std::size_t n = 0; n < tree->Tree().Nodes().size(); ++n) {
        tree->SelectNode(static_cast<int>(n));
        QApplication::processEvents();
        QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        const TControlCount count = CountIn(page);
        EXPECT_TRUE(count.Nameless.isEmpty())
            << page->objectName().toStdString() << ": " << count.Nameless.join("; ").toStdString();
    }
}

TEST_P(AccessibilityTest, TheTreeTheSummariesAndTheGridsNameEveryRow) {
    TNavigationTreeView* tree = test::Part<TNavigationTreeView>(*window);
    QAccessibleInterface* treeInterface = QAccessible::queryAccessibleInterface(tree);
    EXPECT_FALSE(treeInterface->text(QAccessible::Name).isEmpty());
    for (std::size_t n = 0; n < tree->Tree().Nodes().size(); ++n) {
        tree->SelectNode(static_cast<int>(n));
        QAccessibleInterface* row = treeInterface->focusChild();
        ASSERT_NE(row, nullptr);
        EXPECT_FALSE(row->text(QAccessible::Name).trimmed().isEmpty()) << "node " << n;
    }
    // Each tree row says what its picture shows.
    test::SelectNode(*window, nkInput, 2);
    EXPECT_FALSE(treeInterface->focusChild()->text(QAccessible::Description).isEmpty());

    for (std::size_t n = 0; n < tree->Tree().Nodes().size(); ++n) {
        tree->SelectNode(static_cast<int>(n));
        QApplication::processEvents();
        QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        for (QAbstractItemView* list : page->findChildren<QAbstractItemView*>()) {
            const TControlCount items = CountIn(list);
            EXPECT_TRUE(items.Nameless.isEmpty())
                << page->objectName().toStdString() << ": " << items.Nameless.join("; ").toStdString();
        }
    }
}

// Menus, tool bars, the tree, the Problems panel and the status bar.
TEST_P(AccessibilityTest, EveryControlAroundThePagesHasAName) {
    const TControlCount count = CountIn(window.get());
    EXPECT_GT(count.Controls, 10);
    EXPECT_TRUE(count.Nameless.isEmpty()) << count.Nameless.join("; ").toStdString();
}

TEST_P(AccessibilityTest, EveryControlInEveryDialogHasAName) {
    test::MakeOnDemandDialogs(*window);
    for (QDialog* dialog : window->findChildren<QDialog*>()) {
        dialog->show();
        QApplication::processEvents();
        const TControlCount count = CountIn(dialog);
        EXPECT_TRUE(count.Nameless.isEmpty())
            << dialog->metaObject()->className() << ": " << count.Nameless.join("; ").toStdString();
        dialog->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibilityTest, ::testing::Values("English", "Russian"));

} // namespace
} // namespace korvisel
