// Windows as the user works them: focus moves, keys, the clock, and closed
// windows that are freed.

#include "application.h"
#include "system.h"
#include "window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> g_log;
int g_freed = 0;

// Fields a, b and c, a label and a list; KeyDown consumes no key.
class Form : public fw::Window {
public:
    ~Form() override { ++g_freed; }
    void CreateControls() override
    {
        for (const char* name : {"a", "b", "c"})
            _AddControl(name, std::make_unique<fw::EditField>());
        _AddControl("label", std::make_unique<fw::StaticText>());
        _AddControl("list", std::make_unique<fw::Listbox>());
    }
    bool KeyDown(const std::string& key) override
    {
        g_log.push_back("window " + key);
        return false;
    }
    fw::Control& operator[](const std::string& name) const { return fw::Deref(ControlByName(name)); }
};

// Logs "name Event [key]", runs `then`, returns `consumed`.
void Log(fw::Control& control, const std::string& event, std::function<void()> then = nullptr, bool consumed = false)
{
    control._InstallInstanceEventHandler(event, [&control, event, then, consumed](const fw::EventArgs& args) {
        g_log.push_back(control.Name() + " " + event + (args.key.empty() ? "" : " " + args.key));
        if (then)
            then();
        return consumed;
    });
}

// A fresh window for each case of a table.
Form& NewForm()
{
    fw::RuntimeShutdown();
    g_log.clear();
    g_freed = 0;
    return fw::NewWindow<Form>("Form");
}

TEST(Window, TheFocusGoesOnlyWhereItCanAndALostFocusHandlerHasTheLastWord)
{
    struct Case {
        const char* name;
        const char* target;
        const char* lostFocusMovesTo; // a's LostFocus focuses it; "" clears; nullptr does nothing
        std::vector<std::string> log;
        const char* focused;
    };
    const Case cases[] = {
        {"LostFocus moves it elsewhere", "b", "c", {"a LostFocus", "c GotFocus"}, "c"},
        {"LostFocus clears it", "b", "", {"a LostFocus"}, ""},
        {"a label takes none", "label", nullptr, {}, "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Form& form = NewForm();
        form["a"].SetFocus();
        std::function<void()> then;
        if (c.lostFocusMovesTo != nullptr)
            then = [&form, to = std::string(c.lostFocusMovesTo)] { form.MoveFocusTo(form.ControlByName(to)); };
        Log(form["a"], "LostFocus", then);
        for (const char* name : {"b", "c", "label"})
            Log(form[name], "GotFocus");

        form[c.target].SetFocus();

        EXPECT_EQ(g_log, c.log);
        EXPECT_EQ(form.Focus() ? form.Focus()->Name() : "", c.focused);
    }
    fw::RuntimeShutdown();
}

TEST(Window, KeysReachTheFocusThenTheWindowOncePerPress)
{
    struct Case {
        const char* name;
        const char* focus; // "" for none
        std::vector<std::pair<std::string, bool>> presses; // key, auto-repeat
        bool taken; // what each press returns: the view leaves a taken key alone
        std::vector<std::string> log;
        const char* text; // of field a afterwards
    };
    const Case cases[] = {
        {"a held space bar is one press", "", {{" ", false}, {" ", true}, {" ", true}}, false, {"window  "}, ""},
        {"a held key still types", "a", {{"1", false}, {"1", true}}, true, {"a KeyDown 1", "a KeyDown 1"}, "11"},
        {"a named key types nothing", "a", {{"Home", false}, {"Return", false}}, false,
         {"a KeyDown Home", "a KeyDown Return"}, ""},
        {"a list that consumes keys takes named ones", "list", {{"Down", false}, {"PageDown", true}}, true,
         {"list KeyDown Down", "list KeyDown PageDown"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Form& form = NewForm();
        Log(form["a"], "KeyDown");
        Log(form["list"], "KeyDown", nullptr, true);
        if (*c.focus != '\0')
            form[c.focus].SetFocus();

        for (const auto& [key, repeat] : c.presses)
            EXPECT_EQ(form.PressKey(key, repeat), c.taken) << key;

        EXPECT_EQ(g_log, c.log);
        EXPECT_EQ(fw::ControlAs<fw::EditField>(form, "a").Text(), c.text);
    }
    fw::RuntimeShutdown();
}

TEST(Window, AClosedWindowIsFreedOnceWhatRunsOnItIsDone)
{
    struct Case {
        const char* name;
        std::function<void(Form&)> close;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"by the runtime", [](Form& form) { form.CloseWindow(); }, {}},
        {"by its own field's TextChange",
         [](Form& form) {
             auto& a = fw::ControlAs<fw::EditField>(form, "a");
             Log(a, "TextChange", [&a, &form] {
                 form.CloseWindow();
                 g_log.push_back("then reads " + a.Text());
             });
             a.SetText("1");
         },
         {"a TextChange", "then reads 1"}},
        {"by a LostFocus while the focus moves",
         [](Form& form) {
             form["a"].SetFocus();
             Log(form["a"], "LostFocus", [&form] { form.CloseWindow(); });
             form["b"].SetFocus();
         },
         {"a LostFocus"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Form& form = NewForm();

        c.close(form);

        EXPECT_EQ(g_log, c.log);
        EXPECT_EQ(g_freed, 1);
        EXPECT_EQ(fw::_GetImplicitWindow("Form"), nullptr);
    }
    fw::RuntimeShutdown();
}

TEST(Ticks, TheRealClockNeverReadsZeroAndCountsSixtyASecond)
{
    fw::SetTickSource(nullptr);
    std::int32_t first = fw::Ticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(250));

    EXPECT_GT(first, 0);
    EXPECT_GE(fw::Ticks() - first, 14);
}

} // namespace
