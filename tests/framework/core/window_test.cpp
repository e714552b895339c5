// Windows and the runtime as the program relies on them: the order of the
// open and close events, focus moves, keys, the clock, and closed windows
// that are freed.

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

using Lines = std::vector<std::string>;
Lines g_log;
int g_freed = 0;

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

class LoggingApp : public fw::Application {
public:
    void Open() override { g_log.push_back("app Open"); }
    void Close() override { g_log.push_back("app Close"); }
};

// Fields a, b and c, a label and a list; KeyDown consumes no key.
class Form : public fw::Window {
public:
    ~Form() override { ++g_freed; }
    void Layout() override { g_log.push_back(ClassName() + " Layout"); }
    void CreateControls() override
    {
        for (const char* name : {"a", "b", "c"})
            Log(_AddControl(name, std::make_unique<fw::EditField>()), "Open");
        _AddControl("label", std::make_unique<fw::StaticText>());
        _AddControl("list", std::make_unique<fw::Listbox>());
        g_log.push_back(ClassName() + " CreateControls");
    }
    void Open() override { g_log.push_back(ClassName() + " Open"); }
    void Close() override
    {
        g_log.push_back(ClassName() + " Close");
        if (quitsOnClose)
            fw::_GetAppObject()->Quit();
    }
    bool KeyDown(const std::string& key) override
    {
        g_log.push_back("window " + key);
        return false;
    }
    fw::Control& operator[](const std::string& name) const { return fw::Deref(ControlByName(name)); }
    fw::EditField& Field(const std::string& name) const { return fw::ControlAs<fw::EditField>(*this, name); }
    bool quitsOnClose = false;
};

class Runtime : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { fw::RuntimeShutdown(); }
    static void Reset()
    {
        fw::RuntimeShutdown();
        g_log.clear();
        g_freed = 0;
        fw::_RuntimeRegisterAppObject(std::make_unique<LoggingApp>());
    }
    // A fresh window on a fresh runtime, for each case of a table.
    static Form& NewForm()
    {
        Reset();
        Form& form = fw::NewWindow<Form>("Form");
        g_log.clear();
        return form;
    }
};

// The application opens before the controls, the controls before their
// window; quitting closes every window, then the application, once each.
TEST_F(Runtime, EventsComeInTheirOrderFromOpeningToQuitting)
{
    Form& main = fw::NewWindow<Form>("Main");
    main.quitsOnClose = true;
    fw::RuntimeStartLoop();
    EXPECT_EQ(g_log,
              (Lines{"Main Layout", "Main CreateControls", "app Open", "a Open", "b Open", "c Open", "Main Open"}));
    g_log.clear();
    fw::NewWindow<Form>("About"); // opens at once, the loop running
    EXPECT_EQ(g_log, (Lines{"About Layout", "About CreateControls", "a Open", "b Open", "c Open", "About Open"}));
    EXPECT_EQ(fw::RuntimeWindowControlByName(&main, "nothing"), nullptr);
    EXPECT_THROW(fw::ControlAs<fw::EditField>(main, "nothing"), fw::NilObjectException);

    g_log.clear();
    Log(main["a"], "TextChange"); // only when the text changes
    for (const char* text : {"120", "120", ""})
        main.Field("a").SetText(text);
    main.CloseWindow();
    EXPECT_EQ(g_log, (Lines{"a TextChange", "a TextChange", "Main Close", "About Close", "app Close"}));
    EXPECT_TRUE(fw::RuntimeQuitting());
    EXPECT_EQ(g_freed, 2);
}

TEST_F(Runtime, TheFocusGoesOnlyWhereItCanLostFocusFirstAndALostFocusHandlerHasTheLastWord)
{
    struct Case {
        const char* name;
        const char* target;
        const char* lostFocusMovesTo; // a's LostFocus focuses it; "" clears; nullptr does nothing
        std::vector<std::string> log;
        const char* focused;
    };
    const Case cases[] = {
        {"a plain move", "b", nullptr, {"a LostFocus", "b GotFocus"}, "b"},
        {"to the field that has it", "a", nullptr, {}, "a"},
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
        for (const char* name : {"a", "b", "c", "label"})
            Log(form[name], "GotFocus");

        form[c.target].SetFocus();

        EXPECT_EQ(g_log, c.log);
        EXPECT_EQ(form.Focus() ? form.Focus()->Name() : "", c.focused);
    }
}

TEST_F(Runtime, KeysReachTheFocusThenTheWindowOncePerPress)
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
        EXPECT_EQ(form.Field("a").Text(), c.text);
    }
}

TEST_F(Runtime, AClosedWindowIsFreedOnceWhatRunsOnItIsDone)
{
    struct Case {
        const char* name;
        std::function<void(Form&)> close;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"by the runtime", [](Form& f) { f.CloseWindow(); }, {"Form Close"}},
        {"by its own field's TextChange",
         [](Form& f) {
             fw::EditField& a = f.Field("a");
             Log(a, "TextChange", [&f, &a] { f.CloseWindow(); g_log.push_back("then reads " + a.Text()); });
             a.SetText("1");
         },
         {"a TextChange", "Form Close", "then reads 1"}},
        {"by a LostFocus while the focus moves",
         [](Form& f) { f["a"].SetFocus(); Log(f["a"], "LostFocus", [&f] { f.CloseWindow(); }); f["b"].SetFocus(); },
         {"a LostFocus", "Form Close"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.close(NewForm());
        EXPECT_EQ(g_log, c.log);
        EXPECT_EQ(g_freed, 1);
        EXPECT_EQ(fw::_GetImplicitWindow("Form"), nullptr);
    }
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
