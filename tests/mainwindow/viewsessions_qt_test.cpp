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
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Aborts the whole run when the program stops answering: a hang never ends
// by itself, and the main thread is the one stuck.
class Watchdog : public QObject {
public:
    Watchdog() : m_thread([this] { Watch(); }) { qApp->installEventFilter(this); }
    ~Watchdog() override
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

    void Begin(unsigned seed, std::string action)
    {
        std::lock_guard lock(m_mutex);
        m_seed = seed;
        m_last.push_back(std::move(action));
        if (m_last.size() > 12)
            m_last.pop_front();
        m_stamp = Clock::now().time_since_epoch().count();
        m_busy = true;
    }
    void End() { m_busy = false; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* /*event*/) override
    {
        m_stamp = Clock::now().time_since_epoch().count();
        return false;
    }

private:
    void Watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_done; })) {
            auto quiet = Clock::now() - Clock::time_point(Clock::duration(m_stamp.load()));
            if (!m_busy || quiet < std::chrono::seconds(2))
                continue;
            std::fprintf(stderr, "view session with seed %u: no answer for 2 s; its last actions:\n", m_seed);
            for (const std::string& action : m_last)
                std::fprintf(stderr, "  %s\n", action.c_str());
            std::abort();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::string> m_last;
    unsigned m_seed = 0;
    bool m_done = false;
    std::atomic<bool> m_busy{false};
    std::atomic<Clock::rep> m_stamp{0};
    std::thread m_thread;
};

class Session {
public:
    explicit Session(unsigned seed) : m_seed(seed), m_random(seed) {}

    int Pick(std::discrete_distribution<int>& weights) { return weights(m_random); }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class T>
    const T& Any(const std::vector<T>& items) { return items[static_cast<std::size_t>(Below(int(items.size())))]; }

    // Mostly a short number, now and then a long line of anything.
    std::string Text()
    {
        static const std::vector<std::string> pieces = {
            "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "9", "0", ".", ",", "-", "+", "e", "x", " ", "é", "♩", "€",
        };
        int length = Below(4) == 0 ? 1 + Below(400) : 1 + Below(12);
        std::string text;
        for (int i = 0; i < length; ++i)
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

    // One action, named for the log before it runs.
    template <class F>
    void Act(Watchdog& watchdog, const std::string& what, F action, bool restart = true)
    {
        watchdog.Begin(m_seed, what);
        action();
        QCoreApplication::processEvents();
        ++actions;
        if (!user.Running()) {
            EXPECT_EQ(user.PrefsFileBytes().size(), 32u) << "after " << what;
            if (restart)
                user.Restart();
        }
        watchdog.End();
    }

    ViewUser user;
    long actions = 0;

private:
    unsigned m_seed;
    std::mt19937 m_random;
};

using Verb = void (*)(Session&, Watchdog&);
struct WeightedVerb {
    int weight;
    Verb verb;
};

const WeightedVerb kVerbs[] = {
    {20, [](Session& s, Watchdog& w) {
         auto fields = s.Shown<QLineEdit>();
         if (fields.empty())
             return;
         std::string field = s.Any(fields), text = s.Text();
         static const char* const ways[] = {"type over ", "type into ", "paste from the menu into ", "paste with Ctrl+V into "};
         int how = s.Below(4);
         s.Act(w, ways[how] + field + ": " + text, [&] {
             if (how == 0) {
                 s.user.TypeInto(field, text);
                 return;
             }
             s.user.Click(field);
             if (how == 1) {
                 s.user.Type(text);
                 return;
             }
             QGuiApplication::clipboard()->setText(QString::fromStdString(text));
             how == 2 ? s.user.ChooseMenuItem("EditPaste") : s.user.PressShortcut("Cmd+V");
         });
     }},
    {12, [](Session& s, Watchdog& w) {
         std::string name = s.Any(s.Shown<QWidget>());
         s.Act(w, "click " + name, [&] { s.user.Click(name); });
     }},
    {6, [](Session& s, Watchdog& w) {
         std::string tab = s.Any(s.user.Get<fw::TabPanel>("TabPanel1").Tabs());
         s.Act(w, "choose the tab " + tab, [&] { s.user.ChooseTab(tab); });
     }},
    {16, [](Session& s, Watchdog& w) {
         static const std::vector<std::string> keys = {"Up",  "Down",   "Left",   "Right", "PageUp", "PageDown", "Home",
                                                       "End", "Return", "Tab",    "Escape", "Delete", "\b",       " "};
         std::string key = s.Any(keys);
         s.Act(w, "press " + (key == "\b" ? std::string("Backspace") : key), [&] { s.user.PressKey(key); });
     }},
    {5, [](Session& s, Watchdog& w) {
         auto popups = s.Shown<QComboBox>();
         if (popups.empty())
             return;
         std::string name = s.Any(popups);
         auto& combo = static_cast<QComboBox&>(ViewUser::ShownWidget("Cadenzo", name));
         std::string item = combo.itemText(s.Below(combo.count())).toStdString();
         s.Act(w, "choose " + item + " in " + name, [&] { s.user.ChoosePopupItem(name, item); });
     }},
    {4, [](Session& s, Watchdog& w) {
         auto lists = s.Shown<QTableView>();
         if (lists.empty())
             return;
         std::string name = s.Any(lists);
         QAbstractItemModel& model = *static_cast<QTableView&>(ViewUser::ShownWidget("Cadenzo", name)).model();
         int row = s.Below(model.rowCount()), column = s.Below(model.columnCount());
         s.Act(w, "click the cell " + std::to_string(row) + "," + std::to_string(column) + " of " + name,
               [&] { s.user.ClickCell(name, row, column); });
     }},
    {6, [](Session& s, Watchdog& w) {
         static const std::vector<std::string> items = {"EditCut",       "EditCopy",  "EditPaste", "EditClear",
                                                        "EditSelectAll", "FileAbout", "FileClose"};
         std::string item = s.Any(items);
         s.Act(w, "choose the menu item " + item, [&] { s.user.ChooseMenuItem(item); });
     }},
    {5, [](Session& s, Watchdog& w) {
         static const std::vector<std::string> shortcuts = {"Cmd+A", "Cmd+C", "Cmd+X", "Cmd+V", "Cmd+W"};
         std::string shortcut = s.Any(shortcuts);
         s.Act(w, "press " + shortcut, [&] { s.user.PressShortcut(shortcut); });
     }},
    {7, [](Session& s, Watchdog& w) {
         int ticks = 5 + s.Below(150);
         bool pad = s.Below(2) == 0;
         s.Act(w, std::to_string(ticks) + " ticks later, tap " + (pad ? "the pad" : "the space bar"), [&] {
             if (s.user.Get<fw::TabPanel>("TabPanel1").Value() != 3)
                 s.user.ChooseTab("Tap");
             s.user.AdvanceClock(ticks);
             pad ? s.user.Click("TapButton") : s.user.PressKey(" ");
         });
     }},
    {4, [](Session& s, Watchdog& w) {
         if (ViewUser::TopLevel("winabout") == nullptr) {
             s.Act(w, "click the About link", [&] { s.user.Click("aproposbut"); });
             return;
         }
         int how = s.Below(3);
         s.Act(w, how == 0 ? "press Return in the About window" : how == 1 ? "close the About window" : "click in the About window",
               [&] {
                   if (how == 0)
                       s.user.PressKey("Return");
                   else if (how == 1)
                       s.user.CloseWindow("winabout");
                   else
                       s.user.ClickIn("winabout", "Canvas1");
               });
     }},
    {2, [](Session& s, Watchdog& w) {
         int how = s.Below(3);
         s.Act(w, how == 0 ? "File > Quit" : how == 1 ? "Ctrl+Q" : "the close box", [&] {
             if (how == 0)
                 s.user.Quit();
             else if (how == 1)
                 s.user.PressShortcut("Cmd+Q");
             else
                 s.user.CloseWindow();
         });
     }},
};

long EnvNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(ViewSessions, EveryEventIsAnsweredAndEveryQuitWritesTheFile)
{
    const long sessions = EnvNumber("CADENZO_VIEW_SESSIONS", 80);
    const auto first = static_cast<unsigned>(EnvNumber("CADENZO_VIEW_SEED", 1));
    std::vector<int> weights;
    for (const WeightedVerb& v : kVerbs)
        weights.push_back(v.weight);
    long actions = 0;
    auto start = Clock::now();
    for (unsigned seed = first; seed < first + sessions; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Session session(seed);
        Watchdog watchdog;
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        try {
            session.Act(watchdog, "start", [&] { session.user.Start(); });
            for (int i = 0; i < 80 && !HasFailure(); ++i)
                kVerbs[session.Pick(pick)].verb(session, watchdog);
            session.Act(watchdog, "quit at the end", [&] { session.user.Quit(); }, false);
        } catch (const std::exception& error) {
            watchdog.End();
            ADD_FAILURE() << error.what();
        }
        actions += session.actions;
        if (HasFailure())
            break;
    }
    std::printf("view sessions: %ld, %ld actions, %.0f s\n", sessions, actions,
                std::chrono::duration<double>(Clock::now() - start).count());
}

} // namespace
