// Windows and the runtime as the program relies on them: focus moves, keys,
// text changes and pastes, a window closed by its own handlers, and the clock.

#include "application.h"
#include "system.h"
#include "window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
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

// Fields a and b and a label.
class Form : public fw::Window {
public:
    ~Form() override { ++g_freed; }
    void CreateControls() override
    {
        for (const char* name : {"a", "b"})
            _AddControl(name, std::make_unique<fw::EditField>());
        _AddControl("label", std::make_unique<fw::StaticText>());
    }
    void Close() override { g_log.push_back(ClassName() + " Close"); }
    fw::Control& operator[](const std::string& name) const { return fw::Deref(ControlByName(name)); }
    fw::EditField& Field(const std::string& name) const { return fw::ControlAs<fw::EditField>(*this, name); }
    std::function<void()> onLostFocus, onTextChange; // what field a's handlers do after logging
};

// What a handler may do: close its window, then read a field of it.
void CloseThenRead(Form& f)
{
    f.CloseWindow();
    g_log.push_back("then reads " + f.Field("a").Text());
}

TEST(Runtime, FocusKeysTextAndClosingAsTheUserMeetsThem)
{
    using F = Form&;
    // state: the focused control and field a's text, or how many windows were freed.
    const struct { const char *name, *focus; std::function<void(Form&)> act; Lines log; const char* state; } cases[] = {
        {"to the field that has it", "a", [](F f) { f["a"].SetFocus(); }, {}, "a "},
        {"a label takes none", "a", [](F f) { f["label"].SetFocus(); }, {}, "a "},
        {"named keys reach KeyDown first, type nothing and are left to the view", "a",
         [](F f) { EXPECT_FALSE(f.PressKey("Home", false) | f.PressKey("Return", false)); },
         {"a KeyDown Home", "a KeyDown Return"}, "a "},
        {"TextChange only on a change", "", [](F f) { for (const char* t : {"120", "120", ""}) f.Field("a").SetText(t); },
         {"a TextChange", "a TextChange"}, " "},
        {"closed by its own field's TextChange, freed once it is done", "",
         [](F f) {
             f.onTextChange = [&f] { CloseThenRead(f); };
             f.Field("a").SetText("1");
         },
         {"a TextChange", "Form Close", "then reads 1"}, "freed 1"},
        {"closed by its own menu handler, which then reads a field", "",
         [](F f) {
             f._AddMenuHandler("FileClose", [&f] { CloseThenRead(f); return false; });
             EXPECT_TRUE(fw::ChooseMenuItem("FileClose"));
         },
         {"Form Close", "then reads "}, "freed 1"},
        // A one-line field takes the first line that holds something; a paste of none leaves the selection.
        {"a paste after blank lines", "a", [](F f) { auto& a = f.Field("a"); a.SetText("100"); a.Paste(" \n\r\n130\n9"); },
         {"a TextChange", "a TextChange"}, "a 100130"},
        {"a paste of blank lines", "a", [](F f) { auto& a = f.Field("a"); a.SetText("100"); a.SelectAll(); a.Paste("\t\n \r\n"); EXPECT_EQ(a.SelText(), "100"); },
         {"a TextChange"}, "a 100"},
        {"a paste after lines of Unicode white space", "a", [](F f) { auto& a = f.Field("a"); a.SetText("100"); a.Paste("\u00A0\u2003\n\u3000\u20285\u00859"); },
         {"a TextChange", "a TextChange"}, "a 1005"},
        {"a paste of lines that end in a paragraph separator", "a", [](F f) { auto& a = f.Field("a"); a.SetText("100"); a.Paste("3\u20294"); },
         {"a TextChange", "a TextChange"}, "a 1003"},
        {"closed by a LostFocus while the focus moves", "a",
         [](F f) { f.onLostFocus = [&f] { f.CloseWindow(); }; f["b"].SetFocus(); }, {"a LostFocus", "Form Close"}, "freed 1"},
    };
    // One menu item, enabled whatever is in front.
    fw::MenuBar bar;
    fw::MenuItem& close = bar.Append(std::make_unique<fw::MenuItem>());
    close.Name = "FileClose";
    close.AutoEnable = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fw::RuntimeShutdown();
        g_freed = 0;
        fw::_RuntimeRegisterAppObject(std::make_unique<fw::Application>());
        fw::_GetAppObject()->SetMenuBar(&bar);
        Form& form = fw::NewWindow<Form>("Form");
        Log(form["a"], "LostFocus", &form.onLostFocus);
        Log(form["a"], "TextChange", &form.onTextChange);
        Log(form["a"], "KeyDown");
        for (const char* name : {"a", "b", "label"})
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
    fw::RuntimeShutdown();
}

TEST(Ticks, TheRealClockNeverReadsZeroAndCountsSixtyASecond)
{
    using namespace std::chrono;
    fw::SetTickSource(nullptr);
    const auto start = steady_clock::now();
    const std::int32_t first = fw::Ticks();
    std::this_thread::sleep_for(50ms);
    const std::int32_t ticks = fw::Ticks() - first;
    // Measured around both readings, so a busy machine widens it and never fails it.
    const double most = duration<double>(steady_clock::now() - start).count() * 60 + 1;
    EXPECT_GT(first, 0);
    EXPECT_TRUE(ticks >= 2 && ticks <= most) << ticks << " ticks in " << most - 1;
}

} // namespace
