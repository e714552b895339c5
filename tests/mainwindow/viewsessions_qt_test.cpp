// Random sessions in the real window: the simulated user's verbs through Qt's
// own events on every tab, long texts typed and pasted, the Tap pad, the
// pop-ups, the notes list, menus, shortcuts, the About window, Quit and a
// new start. Every event is answered within two seconds, or the run aborts
// with its seed and last actions; every Quit leaves a 32-byte file.
//
// Seeded; 80 sessions by default, under a minute in the sanitized build. A
// long run:
//   CADENZO_VIEW_SESSIONS=<count> [CADENZO_VIEW_SEED=<first seed>] ./cadenzo_qt_tests --gtest_filter='ViewSessions.*'

#include "viewuser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Aborts the whole run when an action's events go unanswered for 2 s: a hang
// never ends by itself, and the main thread is the one stuck. Every event Qt
// delivers counts as an answer.
class Watchdog : public QObject {
public:
    Watchdog() : m_thread([this] { Watch(); }) {}
    ~Watchdog() override
    {
        m_done = true;
        m_thread.join();
    }

    void Begin(const std::string& action)
    {
        std::lock_guard lock(m_mutex);
        m_last.push_back(action);
        if (m_last.size() > 12)
            m_last.pop_front();
        eventFilter(nullptr, nullptr);
        m_busy = true;
    }
    void End() { m_busy = false; }

    bool eventFilter(QObject* /*watched*/, QEvent* /*event*/) override
    {
        m_stamp = Clock::now().time_since_epoch().count();
        return false;
    }

private:
    void Watch()
    {
        for (; !m_done; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
            if (!m_busy || Clock::now() - Clock::time_point(Clock::duration(m_stamp)) < std::chrono::seconds(2))
                continue;
            std::lock_guard lock(m_mutex);
            std::fprintf(stderr, "a view session had no answer for 2 s; its last actions:\n");
            for (const std::string& action : m_last)
                std::fprintf(stderr, "  %s\n", action.c_str());
            std::abort();
        }
    }

    std::mutex m_mutex;
    std::deque<std::string> m_last;
    std::atomic<bool> m_done{false}, m_busy{false};
    std::atomic<Clock::rep> m_stamp{0};
    std::thread m_thread;
};

struct Session {
    Session(Watchdog& watchdog, unsigned seed) : watchdog(watchdog), seed(seed), random(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    std::string Any(const std::vector<std::string>& items) { return items.empty() ? "" : items[Below(int(items.size()))]; }

    // Mostly a short number, now and then a long line of anything.
    std::string Text()
    {
        static const std::vector<std::string> pieces = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "9",
                                                        "0", ".", ",", "-", "+", "e", "x", " ", "é", "♩", "€"};
        std::string text;
        for (int length = Below(4) == 0 ? 1 + Below(400) : 1 + Below(12); length > 0; --length)
            text += Any(pieces);
        return text;
    }

    // The named controls of a class that the main window shows.
    template <class W>
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> names;
        if (QMainWindow* window = ViewUser::TopLevel("Cadenzo"))
            for (W* widget : window->centralWidget()->findChildren<W*>())
                if (widget->isVisible() && !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                    names.push_back(widget->objectName().toStdString());
        return names;
    }

    // One action, named before it runs; a Quit leaves the file whole, then the program starts again.
    void Do(const std::string& what, const std::function<void()>& action, bool restart = true)
    {
        watchdog.Begin("seed " + std::to_string(seed) + ": " + what);
        action();
        QCoreApplication::processEvents();
        if (!user.Running()) {
            EXPECT_EQ(user.PrefsFileBytes().size(), 32u) << "after " << what;
            if (restart)
                user.Restart();
        }
        watchdog.End();
    }

    ViewUser user;
    Watchdog& watchdog;
    unsigned seed;
    std::mt19937 random;
};

const struct {
    int weight;
    void (*verb)(Session&);
} kVerbs[] = {
    {20, [](Session& s) {
         std::string field = s.Any(s.Shown<QLineEdit>()), text = s.Text();
         int how = s.Below(4);
         static const char* const ways[] = {"type over ", "type into ", "paste from the menu into ", "paste with Ctrl+V into "};
         if (!field.empty())
             s.Do(ways[how] + field + ": " + text, [&] {
                 if (how == 0)
                     return s.user.TypeInto(field, text);
                 s.user.Click(field);
                 QGuiApplication::clipboard()->setText(QString::fromStdString(text));
                 how == 1 ? s.user.Type(text) : how == 2 ? void(s.user.ChooseMenuItem("EditPaste")) : void(s.user.PressShortcut("Cmd+V"));
             });
     }},
    {12, [](Session& s) {
         std::string name = s.Any(s.Shown<QWidget>());
         s.Do("click " + name, [&] { s.user.Click(name); });
     }},
    {6, [](Session& s) {
         std::string tab = s.Any(s.user.Get<fw::TabPanel>("TabPanel1").Tabs());
         s.Do("choose the tab " + tab, [&] { s.user.ChooseTab(tab); });
     }},
    {16, [](Session& s) {
         std::string key = s.Any({"Up", "Down", "Left", "Right", "PageUp", "PageDown", "Home", "End", "Return", "Tab",
                                  "Escape", "Delete", "Backspace", " "});
         s.Do("press " + key, [&] { s.user.PressKey(key); });
     }},
    {5, [](Session& s) {
         std::string name = s.Any(s.Shown<QComboBox>());
         if (name.empty())
             return;
         auto& combo = static_cast<QComboBox&>(ViewUser::ShownWidget("Cadenzo", name));
         std::string item = combo.itemText(s.Below(combo.count())).toStdString();
         s.Do("choose " + item + " in " + name, [&] { s.user.ChoosePopupItem(name, item); });
     }},
    {4, [](Session& s) {
         std::string name = s.Any(s.Shown<QTableView>());
         if (name.empty())
             return;
         QAbstractItemModel& cells = *static_cast<QTableView&>(ViewUser::ShownWidget("Cadenzo", name)).model();
         int row = s.Below(cells.rowCount()), column = s.Below(cells.columnCount());
         s.Do("click the cell " + std::to_string(row) + "," + std::to_string(column) + " of " + name,
              [&] { s.user.ClickCell(name, row, column); });
     }},
    {12, [](Session& s) {
         std::string command = s.Any({"EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll", "FileAbout",
                                      "FileClose", "FileQuit", "Cmd+A", "Cmd+C", "Cmd+X", "Cmd+V", "Cmd+W", "Cmd+Q"});
         bool shortcut = command.rfind("Cmd+", 0) == 0;
         s.Do(command, [&] { shortcut ? s.user.PressShortcut(command) : s.user.ChooseMenuItem(command); });
     }},
    {7, [](Session& s) {
         int ticks = 5 + s.Below(150);
         bool pad = s.Below(2) == 0;
         s.Do(std::to_string(ticks) + " ticks later, tap " + (pad ? "the pad" : "the space bar"), [&] {
             if (s.user.Get<fw::TabPanel>("TabPanel1").Value() != 3)
                 s.user.ChooseTab("Tap");
             s.user.AdvanceClock(ticks);
             pad ? s.user.Click("TapButton") : s.user.PressKey(" ");
         });
     }},
    {4, [](Session& s) {
         bool open = ViewUser::TopLevel("winabout") != nullptr, key = s.Below(2) == 0;
         s.Do(!open ? "click the About link" : key ? "press Return in the About window" : "click in the About window", [&] {
             !open ? s.user.Click("aproposbut") : key ? s.user.PressKey("Return") : s.user.ClickIn("winabout", "Canvas1");
         });
     }},
    {2, [](Session& s) {
         std::string window = ViewUser::TopLevel("winabout") != nullptr && s.Below(2) == 0 ? "winabout" : "Cadenzo";
         s.Do("the close box of " + window, [&] { s.user.CloseWindow(window); });
     }},
};

TEST(ViewSessions, EveryEventIsAnsweredAndEveryQuitWritesTheFile)
{
    const char* count = std::getenv("CADENZO_VIEW_SESSIONS");
    const char* from = std::getenv("CADENZO_VIEW_SEED");
    const unsigned first = from ? std::stoul(from) : 1, sessions = count ? std::stoul(count) : 80;
    std::vector<int> weights;
    for (const auto& v : kVerbs)
        weights.push_back(v.weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    Watchdog watchdog;
    for (unsigned seed = first; seed < first + sessions && !HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Session s(watchdog, seed);
        qApp->installEventFilter(&watchdog);
        try {
            s.Do("start", [&] { s.user.Start(); });
            for (int i = 0; i < 80 && !HasFailure(); ++i)
                kVerbs[pick(s.random)].verb(s);
            s.Do("quit at the end", [&] { s.user.Quit(); }, false);
        } catch (const std::exception& error) {
            watchdog.End();
            ADD_FAILURE() << error.what();
        }
    }
}

} // namespace
