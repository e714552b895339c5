// The event order the program relies on, on windows and an application of
// the test's own.

#include "application.h"
#include "window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class LoggingApp : public fw::Application {
public:
    void Open() override { g_log.push_back("app Open"); }
    void Close() override { g_log.push_back("app Close"); }
};

class LoggingWindow : public fw::Window {
public:
    void Layout() override { g_log.push_back(ClassName() + " Layout"); }
    void CreateControls() override
    {
        for (const char* name : {"first", "second"}) {
            fw::Control& field = _AddControl(name, std::make_unique<fw::EditField>());
            g_log.push_back(ClassName() + " created " + name);
            field._InstallInstanceEventHandler("Open", [this, name](const fw::EventArgs&) {
                g_log.push_back(ClassName() + " " + name + " Open");
                return false;
            });
        }
    }
    void Open() override { g_log.push_back(ClassName() + " Open"); }
    void Close() override
    {
        g_log.push_back(ClassName() + " Close");
        if (quitsOnClose)
            fw::_GetAppObject()->Quit();
    }
    bool quitsOnClose = false;
};

class Runtime : public testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeShutdown();
        g_log.clear();
        fw::_RuntimeRegisterAppObject(std::make_unique<LoggingApp>());
    }
    void TearDown() override { fw::RuntimeShutdown(); }
};

TEST_F(Runtime, OpensTheApplicationThenTheControlsThenTheWindow)
{
    fw::NewWindow<LoggingWindow>("Main");
    EXPECT_EQ(fw::_GetImplicitWindow("Main")->ClassName(), "Main");
    fw::RuntimeStartLoop();
    const std::vector<std::string> expected = {
        "Main Layout",       "Main created first", "Main created second", "app Open",
        "Main first Open",   "Main second Open",   "Main Open",
    };
    EXPECT_EQ(g_log, expected);
}

TEST_F(Runtime, AWindowBuiltWhileTheLoopRunsOpensAtOnce)
{
    fw::RuntimeStartLoop();
    g_log.clear();
    fw::NewWindow<LoggingWindow>("Later");
    EXPECT_EQ(g_log.back(), "Later Open");
}

TEST_F(Runtime, QuitClosesEveryWindowBeforeTheApplicationAndOnlyOnce)
{
    auto& main = fw::NewWindow<LoggingWindow>("Main");
    main.quitsOnClose = true;
    fw::NewWindow<LoggingWindow>("About");
    fw::RuntimeStartLoop();
    g_log.clear();

    main.CloseWindow();

    const std::vector<std::string> expected = {"Main Close", "About Close", "app Close"};
    EXPECT_EQ(g_log, expected);
    EXPECT_TRUE(fw::RuntimeQuitting());
    EXPECT_EQ(fw::_GetImplicitWindow("Main"), nullptr);
    EXPECT_EQ(fw::_GetImplicitWindow("About"), nullptr);
}

TEST_F(Runtime, FocusMovesWithLostFocusBeforeGotFocus)
{
    auto& window = fw::NewWindow<LoggingWindow>("Main");
    for (const char* name : {"first", "second"}) {
        for (const char* event : {"GotFocus", "LostFocus"}) {
            window.ControlByName(name)->_InstallInstanceEventHandler(
                event, [name, event](const fw::EventArgs&) {
                    g_log.push_back(std::string(name) + " " + event);
                    return false;
                });
        }
    }
    g_log.clear();
    window.ControlByName("first")->SetFocus();
    window.ControlByName("second")->SetFocus();
    window.ControlByName("second")->SetFocus();
    const std::vector<std::string> expected = {"first GotFocus", "first LostFocus", "second GotFocus"};
    EXPECT_EQ(g_log, expected);
}

TEST_F(Runtime, AnEditFieldRaisesTextChangeOnlyWhenItsTextChanges)
{
    auto& window = fw::NewWindow<LoggingWindow>("Main");
    auto& field = fw::ControlAs<fw::EditField>(window, "first");
    int changes = 0;
    field._InstallInstanceEventHandler("TextChange", [&](const fw::EventArgs&) {
        ++changes;
        return false;
    });
    field.SetText("120");
    field.SetText("120");
    field.SetText("");
    EXPECT_EQ(changes, 2);
}

TEST_F(Runtime, AMissingControlIsANilObject)
{
    auto& window = fw::NewWindow<LoggingWindow>("Main");
    EXPECT_EQ(fw::RuntimeWindowControlByName(&window, "nothing"), nullptr);
    EXPECT_THROW(fw::ControlAs<fw::EditField>(window, "nothing"), fw::NilObjectException);
}

TEST_F(Runtime, AnUnhandledExceptionIsReportedAndEndsWithStatusOne)
{
    testing::internal::CaptureStderr();
    fw::_UnhandledException(std::make_exception_ptr(fw::NilObjectException("no window")));
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("NilObjectException: no window"), std::string::npos);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

} // namespace
