// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the main window: random clicks, keys, typed text, wheel turns, drops and context menus
// on every page and dialog, each dialog it opens answered at random, in rounds. The window never
// crashes or stops answering, and after every round Undo back to the round's start gives back its
// bytes exactly and Redo makes the round again. Each run takes a new seed and prints it;
// KORVISEL_MONKEY_SEED=<seed> replays a run (up to the timing of typing pauses).
#include "ui/app/QtMessageBoxes.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/SeveralDevicesDialog.h"
#include "ui/report/ReportPreview.h"

#include "SampleProject.h"
#include "files/Backups.h"
#include "i18n/Registrations.h"
#include "ui/ForeignProject.h"
#include "ui/WindowTest.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>

namespace korvisel {
namespace {

using namespace std::chrono_literals;

constexpr int Rounds = 30;
constexpr int RoundActions = 500;
// A window that starts no action for this long hangs.
constexpr auto HangLimit = 2s;

// The last actions, for the message of a failure, and when the window last showed it answers; the
// watchdog reads both from its own thread.
class TActionLog {
public:
    void Add(std::string action) {
        const std::lock_guard lock(mutex_);
        last_.push_back(std::move(action));
        if (last_.size() > 30)
            last_.pop_front();
        beat_ = std::chrono::steady_clock::now();
    }
    void Beat() {
        const std::lock_guard lock(mutex_);
        beat_ = std::chrono::steady_clock::now();
    }
    std::chrono::steady_clock::duration Quiet() const {
        const std::lock_guard lock(mutex_);
        return std::chrono::steady_clock::now() - beat_;
    }
    std::string Text() const {
        const std::lock_guard lock(mutex_);
        std::string text;
        for (const std::string& action : last_)
            text += "  " + action + "\n";
        return text;
    }

private:
    mutable std::mutex mutex_;
    std::deque<std::string> last_;
    std::chrono::steady_clock::time_point beat_ = std::chrono::steady_clock::now();
};

// Ends the process with the seed and the last actions when the window hangs: from inside a hang
// no test can fail.
class TWatchdog {
public:
    TWatchdog(const TActionLog& log, std::uint32_t seed)
        : thread_([this, &log, seed] { Watch(log, seed); }) {}
    ~TWatchdog() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

private:
    void Watch(const TActionLog& log, std::uint32_t seed) {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, 100ms, [this] { return stopped_; }))
            if (log.Quiet() > HangLimit) {
                std::fprintf(stderr, "The window hangs (seed %u). The last actions:\n%s", seed,
                             log.Text().c_str());
                std::abort();
            }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::thread thread_;
};

std::string Named(const QWidget& widget) {
    return std::string(widget.metaObject()->className()) + " '" + widget.objectName().toStdString() + "'";
}

class TMonkey {
public:
    TMonkey(TApplicationForm& window, std::uint32_t seed, TActionLog& log)
        : window_(window), tree_(*test::Part<TNavigationTreeView>(window)), random_(seed), log_(log) {
        AnswerLater();
    }

    void StartRound() { left_ = RoundActions; }
    bool ActionsLeft() const { return left_ > 0; }

    // One action: on the menu or modal dialog that is open, else in one of the windows shown.
    void Act() {
        if (QWidget* open = OpenDialog()) {
            Answer(*open);
        } else {
            --left_;
            ActIn(SomeWindow());
        }
        QApplication::processEvents();
    }

    // What a round left open (a menu) is closed before its Undo.
    void CloseDialogs() {
        while (QWidget* open = OpenDialog()) {
            Answer(*open);
            QApplication::processEvents();
        }
    }

private:
    enum TAction { Click, Key, Typing, Wheel, Drop, ContextMenu, Node, Command };

    static QWidget* OpenDialog() {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::activeModalWidget();
    }

    // A dialog runs its own event loop: from there the answers come by timer. At the monkey's own
    // level the next action answers what is open.
    void AnswerLater() {
        QTimer::singleShot(2, &answerer_, [this] {
            AnswerLater();
            if (QThread::currentThread()->loopLevel() > 0)
                if (QWidget* open = OpenDialog())
                    Answer(*open);
        });
    }

    void Answer(QWidget& open) {
        if (&open != answered_) {
            answered_ = &open;
            answers_ = 0;
        }
        ++answers_;
        if (answers_ > 40) {
            ADD_FAILURE() << Named(open) << " does not close, after:\n" << log_.Text();
            open.hide();
        } else if (left_ <= 0 || answers_ > 20) {
            Close(open);
        } else {
            --left_;
            if (Chance(30))
                CloseSomehow(open);
            else
                ActIn(open);
        }
    }

    // As a user who wants the dialog gone: Cancel, and where a dialog has no way out but OK (a
    // required phone number), a number typed and Enter.
    void Close(QWidget& open) {
        Log("close " + Named(open));
        auto* dialog = qobject_cast<QDialog*>(&open);
        if (!dialog) {
            open.close();
            return;
        }
        dialog->reject();
        if (auto* field = dialog->findChild<QLineEdit*>(); field && dialog->isVisible()) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, "5551234");
            QTest::keyClick(field, Qt::Key_Return);
        }
    }

    // A random answer: an item of a menu, Escape, Enter or one of the dialog's buttons.
    void CloseSomehow(QWidget& open) {
        QList<QAction*> items;
        if (auto* menu = qobject_cast<QMenu*>(&open))
            for (QAction* item : menu->actions())
                if (item->isVisible() && item->isEnabled() && !item->isSeparator())
                    items << item;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : open.findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled() && button->window() == &open)
                buttons << button;
        QWidget* focus = Focused(open);
        if (!items.isEmpty() && Chance(70)) {
            QAction* item = items[Pick(items.size())];
            Log("menu item '" + item->text().toStdString() + "'");
            QTest::mouseClick(&open, Qt::LeftButton, {},
                              static_cast<QMenu&>(open).actionGeometry(item).center());
        } else if (!buttons.isEmpty() && Chance(50)) {
            QAbstractButton* button = buttons[Pick(buttons.size())];
            Log("answer " + Named(*button) + " '" + button->text().toStdString() + "'");
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        } else {
            const Qt::Key key = Chance(50) ? Qt::Key_Escape : Qt::Key_Return;
            Log(std::string(key == Qt::Key_Escape ? "Escape" : "Enter") + " on " + Named(*focus));
            QTest::keyClick(focus, key);
        }
    }

    // The window the monkey is in: mostly the main window, for a few actions another one shown
    // beside it. The one it acts in is made active, as a click into it would; after a dialog
    // closed, that is what the desktop does too.
    QWidget& SomeWindow() {
        QWidget* top = QApplication::activeWindow();
        if (Chance(3)) {
            QList<QWidget*> shown;
            for (QWidget* other : QApplication::topLevelWidgets())
                if (other->isVisible() && other->windowType() != Qt::ToolTip)
                    shown << other;
            top = shown[Pick(shown.size())];
        } else if (!top || !top->isVisible() || Chance(25)) {
            top = &window_;
        }
        if (!top->isActiveWindow()) {
            top->activateWindow();
            QApplication::processEvents();
        }
        return *top;
    }

    void ActIn(QWidget& top) {
        static constexpr double Weights[] = {30, 22, 12, 8, 5, 5, 12, 3};
        auto action = static_cast<TAction>(
            std::discrete_distribution<int>(std::begin(Weights), std::end(Weights))(random_));
        if (&top != &window_ && (action == Node || action == Command))
            action = Click;
        QWidget* control = AnyControl(top);
        const QPoint at(Pick(control->width()), Pick(control->height()));
        const std::string where = " " + Named(*control) + " at " + std::to_string(at.x()) + "," +
                                  std::to_string(at.y()) + " in " + Named(top);
        switch (action) {
        case Click:
            if (Chance(15)) {
                Log("double click" + where);
                QTest::mouseDClick(control, Qt::LeftButton, {}, at);
            } else {
                Log("click" + where);
                QTest::mouseClick(control, Qt::LeftButton, {}, at);
            }
            break;
        case Key:
            PressKey(KeyTarget(top));
            break;
        case Typing:
            Type(KeyTarget(top));
            break;
        case Wheel: {
            const int steps = Chance(50) ? 1 + Pick(3) : -1 - Pick(3);
            Log("wheel " + std::to_string(steps) + where);
            test::Wheel(control, steps, at);
            break;
        }
        case Drop: {
            const QString text = Text();
            Log("drop '" + text.toStdString() + "' on" + where);
            test::Drop(control, text, at);
            break;
        }
        case ContextMenu: {
            Log("context menu" + where);
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
            QApplication::sendEvent(control, &menu);
            break;
        }
        case Node:
            ClickNode();
            break;
        case Command:
            TriggerCommand();
            break;
        }
    }

    void PressKey(QWidget& focus) {
        static const QKeyCombination Keys[] = {
            Qt::Key_Tab,          Qt::SHIFT | Qt::Key_Backtab,
            Qt::Key_Up,           Qt::Key_Down,
            Qt::Key_Left,         Qt::Key_Right,
            Qt::Key_Home,         Qt::Key_End,
            Qt::Key_PageUp,       Qt::Key_PageDown,
            Qt::Key_Space,        Qt::Key_Return,
            Qt::Key_Escape,       Qt::Key_Backspace,
            Qt::Key_Delete,       Qt::Key_Insert,
            Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Y,
            Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C,
            Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_Delete,
            Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_S,
            Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_Home,
            Qt::ALT | Qt::Key_F,  Qt::ALT | Qt::Key_E,
        };
        const QKeyCombination key = Keys[Pick(std::size(Keys))];
        Log("key " + QKeySequence(key).toString().toStdString() + " on " + Named(focus));
        QTest::keyClick(&focus, key.key(), key.keyboardModifiers());
    }

    // Text typed key by key, or committed by an input method (which also brings what no key of
    // this keyboard types).
    void Type(QWidget& focus) {
        const QString text = Text();
        if (Chance(75)) {
            Log("type '" + text.toStdString() + "' into " + Named(focus));
            QTest::keyClicks(&focus, text);
        } else {
            const QString composed = text + (Chance(50) ? QString("é") : QString("Дж"));
            Log("input method '" + composed.toStdString() + "' into " + Named(focus));
            QInputMethodEvent commit;
            commit.setCommitString(composed);
            QApplication::sendEvent(&focus, &commit);
        }
    }

    QString Text() {
        static const QString Letters = "0123456789+-*#ABCPQxyz ~_";
        QString text;
        for (int n = 1 + Pick(6); n > 0; --n)
            text += Letters[Pick(Letters.size())];
        return text;
    }

    // Every node, the ones of collapsed branches too: the row is scrolled into view and clicked.
    void ClickNode() {
        const int node = Pick(tree_.Tree().Nodes().size());
        QTreeWidgetItem* item = tree_.ItemOf(node);
        tree_.scrollToItem(item);
        QApplication::processEvents();
        const QRect row = tree_.visualItemRect(item);
        Log("click node " + std::to_string(node));
        QTest::mouseClick(tree_.viewport(), Qt::LeftButton, {}, QPoint(row.left() + 40, row.center().y()));
    }

    // A command of the menus as its menu item or button would run it; the ones this test keeps away
    // are hidden.
    void TriggerCommand() {
        QList<QAction*> offered;
        for (QAction* action : window_.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            if (action->objectName().startsWith("Act") && action->isVisible() && action->isEnabled())
                offered << action;
        QAction* command = offered[Pick(offered.size())];
        Log("command " + command->objectName().toStdString());
        command->trigger();
    }

    // The controls shown in the window, the window itself included; with `focusable` only the ones
    // that take the focus.
    static QList<QWidget*> Shown(QWidget& top, bool focusable) {
        QList<QWidget*> shown{&top};
        for (QWidget* widget : top.findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() && widget->window() == &top &&
                (!focusable || widget->focusPolicy() != Qt::NoFocus))
                shown << widget;
        return shown;
    }

    // Where the mouse goes: mostly a control (a list's rows, not its frame), now and then anything.
    QWidget* AnyControl(QWidget& top) {
        const QList<QWidget*> from = Shown(top, Chance(75));
        QWidget* control = from[Pick(from.size())];
        auto* area = qobject_cast<QAbstractScrollArea*>(control);
        return area ? area->viewport() : control;
    }

    // Where keys go: where the focus is, or another control tabbed to.
    QWidget& KeyTarget(QWidget& top) {
        if (Chance(60))
            return *Focused(top);
        const QList<QWidget*> controls = Shown(top, true);
        QWidget* control = controls[Pick(controls.size())];
        Log("focus on " + Named(*control));
        control->setFocus(Qt::TabFocusReason);
        return *control;
    }

    static QWidget* Focused(QWidget& top) {
        QWidget* focus = top.focusWidget();
        return focus && focus->isVisible() ? focus : &top;
    }

    template <typename Count> int Pick(Count count) {
        return count <= 1 ? 0 : std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_);
    }
    bool Chance(int percent) { return Pick(100) < percent; }
    void Log(std::string action) { log_.Add(std::move(action)); }

    TApplicationForm& window_;
    TNavigationTreeView& tree_;
    std::mt19937 random_;
    TActionLog& log_;
    int left_ = 0;
    QPointer<QWidget> answered_;
    int answers_ = 0;
    QObject answerer_; // the timer of the answers stops with the monkey
};

std::uint32_t MonkeySeed() {
    if (const char* given = std::getenv("KORVISEL_MONKEY_SEED"))
        return static_cast<std::uint32_t>(std::stoul(given));
    return std::random_device{}();
}

class MonkeySlow : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::PtyPorts ports; // no serial port present
    TSettingsStore store{folder.File("registry.reg")};
    TQtMessageBoxes boxes;
    std::unique_ptr<TApplicationForm> window;
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";

    void SetUp() override {
        ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
        // No desktop opener: Show in Folder says it cannot open instead of starting a file manager.
        std::filesystem::create_directory(folder.File("bin"));
        ::setenv("PATH", folder.File("bin").c_str(), 1);
        RegisterShippedLanguages(store, KORVISEL_SOURCE_DIR "/languages");
        KeepBackupOf(test::BusyProject());
        window = std::make_unique<TApplicationForm>(boxes, store);
        boxes.SetParent(window.get());
        window->SetAboutForm(new TAboutForm(window.get()));
        KeepAwayWhatOthersTest();
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        ::setenv("PATH", path.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }

    // A backup to compare the project with (the Backups list's Compare).
    static void KeepBackupOf(const TProjectInfo& project) {
        TDeviceImage image{};
        PackImage(project, image);
        ASSERT_TRUE(
            KeepBackup(BackupFolder(), TBackupKind::Read, "COM5", image, std::chrono::system_clock::now())
                .Ok());
    }

    // New, New from Template, Open, Save, Close, Exit, the device transfers and Help (which starts
    // the desktop's browser) have tests of their own: hidden, their keys do nothing either. Every file dialog
    // and the print dialog stay shut: the ones the window lets a test replace fail the test, Print and Save
    // as PDF of the preview are hidden, and a backup cannot be opened. The settings dialog's folder and
    // language file choices, which a test replaces, answer at random.
    void KeepAwayWhatOthersTest() {
        for (const char* name :
             {"ActNew", "ActNewTemplate", "ActOpen", "ActSave", "ActSaveAs", "ActClose", "ActExit", "ActRead",
              "ActWrite", "ActSeveral", "ActCompare", "ActPrint", "ActPrintSet", "ActContents", "ActHelp"})
            window->Action(name)->setVisible(false);
        window->SetFileChooser([](bool, const std::string&) {
            ADD_FAILURE() << "a file dialog was asked for";
            return std::optional<std::string>();
        });
        auto* preview = test::Part<TReportPreview>(*window);
        for (QAction* action : preview->actions())
            if (action->shortcut() == QKeySequence(QKeySequence::Print) ||
                action->shortcut() == QKeySequence(QKeySequence::Save))
                action->setVisible(false);
        // A sites table is chosen in tests of its own; here its file dialog is cancelled.
        test::Part<TSeveralDevicesDialog>(*window)->SitesFileChooser = [] { return std::string(); };
        preview->PdfFileChooser = [](const std::string&) {
            ADD_FAILURE() << "a PDF file dialog was asked for";
            return std::string();
        };
        QObject::disconnect(test::Part<TBackupsDialog>(*window), &TBackupsDialog::OpenRequested, nullptr,
                            nullptr);
        auto* settings = test::Part<TOptionForm>(*window);
        settings->FolderBrowser = [this] { return coin(random) ? folder.Path() : std::string(); };
        settings->LanguageFileChooser = [this] {
            return coin(random) ? std::string(KORVISEL_SOURCE_DIR "/languages/Russian.ini") : std::string();
        };
    }

    std::mt19937 random;
    std::bernoulli_distribution coin;
};

TEST_F(MonkeySlow, RandomActionsOnEveryPageAndDialogAreUndoneExactly) {
    const std::uint32_t seed = MonkeySeed();
    std::fprintf(stderr, "Monkey seed %u: KORVISEL_MONKEY_SEED=%u runs the same actions again\n", seed, seed);
    RecordProperty("seed", std::to_string(seed));
    random.seed(seed);
    TActionLog log;
    TMonkey monkey(*window, seed, log);
    const TWatchdog watchdog(log, seed);
    TDocument& document = window->Document();
    const TProjectInfo starts[] = {test::WriteOddProject(folder.File("odd.KV690")), test::BusyProject()};
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
        // A history of the round's own, from the project as a previous round left it or from a file
        // another program wrote.
        document.Replace(round % 5 == 0 ? starts[round / 5 % 2] : document.Project(), document.Print());
        const TEditSnapshot start{document.Project(), document.Print()};
        const TDeviceImage startImage = document.KeptImage();
        monkey.StartRound();
        while (monkey.ActionsLeft())
            monkey.Act();
        monkey.CloseDialogs();

        const TEditSnapshot end{document.Project(), document.Print()};
        int steps = 0;
        while (document.Undo()) {
            ++steps;
            log.Beat();
        }
        ASSERT_EQ(document.KeptImage(), startImage) << "Undo to the round's start, after:\n" << log.Text();
        ASSERT_TRUE((TEditSnapshot{document.Project(), document.Print()} == start))
            << "Undo to the round's start, after:\n"
            << log.Text();
        for (int step = 0; step < steps; ++step) {
            ASSERT_TRUE(document.Redo());
            log.Beat();
        }
        ASSERT_TRUE((TEditSnapshot{document.Project(), document.Print()} == end))
            << "Redo to the round's end, after:\n"
            << log.Text();
        ASSERT_FALSE(HasFailure()) << log.Text();
    }
}

} // namespace
} // namespace korvisel
