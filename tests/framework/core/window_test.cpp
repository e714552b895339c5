// Windows and the runtime as the program relies on them: the order of the
// open events, focus moves, keys, the clock, and closed windows that are freed.

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

// Logs "name Event [key]", runs `then` if set, consumes nothing.
void Log(fw::Control& control, const std::string& event, const std::function<void()>* then = nullptr)
{
    control._InstallInstanceEventHandler(event, [&control, event, then](const fw::EventArgs& args) {
        g_log.push_back(control.Name() + " " + event + (args.key.empty() ? "" : " " + args.key));
        if (then && *then)
            (*then)();
        return false;
    });
}

class LoggingApp : public fw::Application {
public:
    void Open() override { g_log.push_back("app Open"); }
};

// Fields a, b and c and a label; KeyDown consumes no key.
class Form : public fw::Window {
public:
    ~Form() override { ++g_freed; }
    void Layout() override { g_log.push_back(ClassName() + " Layout"); }
    void CreateControls() override
    {
        for (const char* name : {"a", "b", "c"})
            Log(_AddControl(name, std::make_unique<fw::EditField>()), "Open");
        _AddControl("label", std::make_unique<fw::StaticText>());
        g_log.push_back(ClassName() + " CreateControls");
    }
    void Open() override { g_log.push_back(ClassName() + " Open"); }
    void Close() override { g_log.push_back(ClassName() + " Close"); }
    bool KeyDown(const std::string& key) override
    {
        g_log.push_back("window " + key);
        return false;
    }
    fw::Control& operator[](const std::string& name) const { return fw::Deref(ControlByName(name)); }
    fw::EditField& Field(const std::string& name) const { return fw::ControlAs<fw::EditField>(*this, name); }
    std::function<void()> onLostFocus, onTextChange; // what field a's handlers do after logging
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
        // One menu item, enabled whatever is in front.
        static fw::MenuBar bar;
        if (bar.Children().empty()) {
            fw::MenuItem& close = bar.Append(std::make_unique<fw::MenuItem>());
            close.Name = "FileClose";
            close.AutoEnable = true;
        }
        fw::_GetAppObject()->SetMenuBar(&bar);
    }
};

// The application opens before the controls, the controls before their window.
TEST_F(Runtime, OpenEventsComeInTheirOrder)
{
    fw::NewWindow<Form>("Main");
    fw::RuntimeStartLoop();
    EXPECT_EQ(g_log,
              (Lines{"Main Layout", "Main CreateControls", "app Open", "a Open", "b Open", "c Open", "Main Open"}));
}

// Presses each key, logging "taken" for each the core takes: the view then leaves it alone.
std::function<void(Form&)> Press(std::vector<std::pair<std::string, bool>> keys)
{
    return [keys](Form& f) {
        for (const auto& [key, autoRepeat] : keys)
            if (f.PressKey(key, autoRepeat))
                g_log.push_back("taken");
    };
}

TEST_F(Runtime, FocusKeysTextAndClosingAsTheUserMeetsThem)
{
    using F = Form&;
    // state: the focused control and field a's text, or how many windows were freed.
    const struct { const char *name, *focus; std::function<void(Form&)> act; Lines log; const char* state; } cases[] = {
        {"to the field that has it", "a", [](F f) { f["a"].SetFocus(); }, {}, "a "},
        {"a label takes none", "a", [](F f) { f["label"].SetFocus(); }, {}, "a "},
        {"a held space bar is one press for the window", "", Press({{" ", false}, {" ", true}, {" ", true}}), {"window  "}, " "},
        {"a held key still types", "a", Press({{"1", false}, {"1", true}}), 
         {"a KeyDown 1", "a TextChange", "taken", "a KeyDown 1", "a TextChange", "taken"}, "a 11"},
        {"named keys reach KeyDown first and type nothing", "a", Press({{"Home", false}, {"Return", false}}),
         {"a KeyDown Home", "a KeyDown Return"}, "a "},
        {"TextChange only on a change", "", [](F f) { for (const char* t : {"120", "120", ""}) f.Field("a").SetText(t); },
         {"a TextChange", "a TextChange"}, " "},
        {"closed by the runtime", "", [](F f) { f.CloseWindow(); }, {"Form Close"}, "freed 1"},
        {"closed by its own field's TextChange, freed once it is done", "",
         [](F f) {
             f.onTextChange = [&f] { f.CloseWindow(); g_log.push_back("then reads " + f.Field("a").Text()); };
             f.Field("a").SetText("1");
         },
         {"a TextChange", "Form Close", "then reads 1"}, "freed 1"},
        {"closed by its own menu handler, which then reads a field", "",
         [](F f) {
             f._AddMenuHandler("FileClose", [&f] {
                 f.CloseWindow();
                 g_log.push_back("then reads " + f.Field("a").Text());
                 return false;
             });
             EXPECT_TRUE(fw::ChooseMenuItem("FileClose"));
         },
         {"Form Close", "then reads "}, "freed 1"},
        {"closed by a LostFocus while the focus moves", "a",
         [](F f) { f.onLostFocus = [&f] { f.CloseWindow(); }; f["b"].SetFocus(); }, {"a LostFocus", "Form Close"}, "freed 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        Form& form = fw::NewWindow<Form>("Form");
        Log(form["a"], "LostFocus", &form.onLostFocus);
        Log(form["a"], "TextChange", &form.onTextChange);
        Log(form["a"], "KeyDown");
        for (const char* name : {"a", "b", "c", "label"})
            Log(form[name], "GotFocus");
        if (*c.focus != '\0')
            form[c.focus].SetFocus();
        g_log.clear();

        c.act(form);

        EXPECT_EQ(g_log, c.log);
        auto* left = static_cast<Form*>(fw::_GetImplicitWindow("Form"));
        EXPECT_EQ(left ? (left->Focus() ? left->Focus()->Name() : "") + " " + left->Field("a").Text()
                       : "freed " + std::to_string(g_freed),
                  c.state);
    }
}

TEST(Ticks, TheRealClockNeverReadsZeroAndCountsSixtyASecond)
{
    using namespace std::chrono;
    fw::SetTickSource(nullptr);
    const auto start = steady_clock::now();
    const std::int32_t first = fw::Ticks();
    std::this_thread::sleep_for(milliseconds(50));
    const std::int32_t ticks = fw::Ticks() - first;
    const auto elapsed = duration_cast<milliseconds>(steady_clock::now() - start).count();
    EXPECT_GT(first, 0);
    EXPECT_GE(ticks, 50 * 60 / 1000 - 1);
    EXPECT_LE(ticks, elapsed * 60 / 1000 + 1);
}

} // namespace
