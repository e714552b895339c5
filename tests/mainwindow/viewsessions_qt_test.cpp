// Random sessions in the real window: the simulated user's verbs through Qt's
// own events on every tab, long texts typed and pasted, the Tap pad, the
// pop-ups, the notes list, menus, shortcuts, the About window, Quit and a
// new start. Every action ends within 15 s, or the run stops with its seed
// and that action; every Quit leaves a 32-byte file.
//
// Seeded; 80 sessions by default, under a minute in the sanitized build. A
// long run:
//   CADENZO_VIEW_SESSIONS=<count> [CADENZO_VIEW_SEED=<first seed>] ./cadenzo_qt_tests --gtest_filter='ViewSessions.*'

#include "timelimit.h"
#include "viewuser.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include <cstdlib>
#include <functional>
#include <random>

namespace {

// The slowest action, 400 characters typed into a field, takes about a second
// in the sanitized build; a hang goes on for ever.
constexpr unsigned kSecondsPerAction = 15;

using Action = std::pair<std::string, std::function<void()>>;

struct Session {
    explicit Session(unsigned seed) : seed(seed), random(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    template <class T>
    T Any(const std::vector<T>& items) { return items.empty() ? T() : items[Below(int(items.size()))]; }

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

    // One of the named controls of that class the main window shows, at random, or nullptr.
    template <class W>
    W* AnyShown()
    {
        std::vector<W*> shown;
        if (QMainWindow* window = ViewUser::TopLevel("Cadenzo"))
            for (W* widget : window->centralWidget()->findChildren<W*>())
                if (widget->isVisible() && !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                    shown.push_back(widget);
        return Any(shown);
    }
    static std::string Name(const QWidget* widget) { return widget ? widget->objectName().toStdString() : ""; }

    // What the user does next, and its name; nothing when there is nothing to do it on.
    Action Next()
    {
        static std::discrete_distribution<int> kind({20, 12, 6, 16, 5, 12, 7, 4});
        switch (kind(random)) {
        case 0: {
            static const char* const ways[] = {"type over ", "type into ", "paste from the menu into ", "paste with Ctrl+V into "};
            std::string field = Name(AnyShown<QLineEdit>()), text = Text();
            int how = Below(4);
            if (field.empty())
                return {};
            return {ways[how] + field + ": " + text, [=, this] {
                        if (how == 0)
                            return user.TypeInto(field, text);
                        user.Click(field);
                        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
                        how == 1 ? user.Type(text) : how == 2 ? void(user.ChooseMenuItem("EditPaste")) : void(user.PressShortcut("Cmd+V"));
                    }};
        }
        case 1: {
            std::string name = Name(AnyShown<QWidget>());
            return {"click " + name, [=, this] { user.Click(name); }};
        }
        case 2: {
            std::string tab = Any(user.Get<fw::TabPanel>("TabPanel1").Tabs());
            return {"choose the tab " + tab, [=, this] { user.ChooseTab(tab); }};
        }
        case 3: {
            std::string key = Any<std::string>({"Up", "Down", "Left", "Right", "PageUp", "PageDown", "Home", "End", "Return",
                                                "Tab", "Escape", "Delete", "Backspace", " "});
            return {"press " + key, [=, this] { user.PressKey(key); }};
        }
        case 4: {
            QComboBox* combo = AnyShown<QComboBox>();
            if (combo == nullptr)
                return {};
            std::string name = Name(combo), item = combo->itemText(Below(combo->count())).toStdString();
            return {"choose " + item + " in " + name, [=, this] { user.ChoosePopupItem(name, item); }};
        }
        case 5: {
            std::string command = Any<std::string>({"EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll", "FileAbout",
                                                    "FileClose", "FileQuit", "Cmd+A", "Cmd+C", "Cmd+X", "Cmd+V", "Cmd+W", "Cmd+Q"});
            return {command, [=, this] { command.starts_with("Cmd+") ? user.PressShortcut(command) : user.ChooseMenuItem(command); }};
        }
        case 6: {
            int ticks = 5 + Below(150);
            bool pad = Below(2) == 0;
            return {std::to_string(ticks) + " ticks later, tap " + (pad ? "the pad" : "the space bar"), [=, this] {
                        if (user.Get<fw::TabPanel>("TabPanel1").Value() != 3)
                            user.ChooseTab("Tap");
                        user.AdvanceClock(ticks);
                        pad ? user.Click("TapButton") : user.PressKey(" ");
                    }};
        }
        default: {
            static const char* const ways[] = {"press Return in", "click in", "the close box of"};
            bool open = ViewUser::TopLevel("winabout") != nullptr;
            int how = Below(3);
            return {open ? ways[how] + std::string(" the About window") : "click the About link", [=, this] {
                        !open ? user.Click("aproposbut") : how == 0 ? user.PressKey("Return") : how == 1 ? user.ClickIn("winabout", "Canvas1") : user.CloseWindow("winabout");
                    }};
        }
        }
    }

    // One action under a time limit; a Quit leaves the file whole, then the program starts again.
    void Do(const std::string& what, const std::function<void()>& action, bool restart = true)
    {
        TimeLimit limit(kSecondsPerAction, "seed " + std::to_string(seed) + " hangs at: " + what);
        action();
        QCoreApplication::processEvents();
        if (!user.Running()) {
            EXPECT_EQ(user.PrefsFileBytes().size(), 32u) << "after " << what;
            if (restart)
                user.Restart();
        }
    }

    ViewUser user;
    unsigned seed;
    std::mt19937 random;
};

TEST(ViewSessions, EveryActionEndsAndEveryQuitWritesTheFile)
{
    const char* count = std::getenv("CADENZO_VIEW_SESSIONS");
    const char* from = std::getenv("CADENZO_VIEW_SEED");
    const unsigned first = from ? std::stoul(from) : 1, sessions = count ? std::stoul(count) : 80;
    for (unsigned seed = first; seed < first + sessions && !HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Session s(seed);
        try {
            s.Do("start", [&] { s.user.Start(); });
            for (int i = 0; i < 80 && !HasFailure(); ++i)
                if (auto [what, action] = s.Next(); action)
                    s.Do(what, action);
            s.Do("quit at the end", [&] { s.user.Quit(); }, false);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
    }
}

} // namespace
