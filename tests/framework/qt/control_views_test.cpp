// The other controls: the user's clicks and keys reach the core as its own
// controls hear them, before Qt acts on them.

#include "view_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace fwqt::test {
namespace {

using ControlViewsTest = ViewTest;

TEST_F(ControlViewsTest, ClicksAndKeysReachTheCoreAsItsControlsHearThem)
{
    fw::PopupMenu* popup = nullptr;
    Open([&popup](Form& form) {
        Add<fw::EditField>(form, "field", {.top = 170, .width = 80, .height = 22});
        Add<fw::PushButton>(form, "go", {.width = 80, .height = 24, .text = "Go"});
        Add<fw::RadioButton>(form, "first", {.top = 30, .width = 80, .height = 20, .text = "4/4", .value = true});
        Add<fw::RadioButton>(form, "second", {.top = 60, .width = 80, .height = 20, .text = "3/4"});
        Add<fw::StaticText>(form, "link", {.top = 130, .width = 100, .height = 20, .text = "www"});
        popup = &Add<fw::PopupMenu>(form, "popup", {.top = 90, .width = 120, .height = 24, .items = {"24", "25"}, .listIndex = 0});
        for (fw::Control* control : form.Controls())
            for (const char* event : {"MouseDown", "Action", "MouseEnter", "MouseExit"})
                Log(*control, event);
    });
    QTest::mouseClick(Widget<QLineEdit>("field"), Qt::LeftButton);
    using enum QTest::MouseAction;
    const struct { const char* name; QTest::MouseAction action; const char* widget; QPoint at; std::vector<std::string> log; } steps[] = {
        {"a push button's press", MousePress, "go", {}, {"go.MouseDown"}},
        {"its release over it", MouseRelease, "go", {}, {"go.Action"}},
        {"another press", MousePress, "go", {}, {"go.MouseDown"}},
        {"released after dragging away", MouseRelease, "go", {200, 5}, {}},
        {"a radio button", MouseClick, "second", {}, {"second.Action"}},
        {"the same again", MouseClick, "second", {}, {"second.Action"}},
        {"the pointer over a label", MouseMove, "link", {}, {"link.MouseEnter"}},
        {"a click on it", MouseClick, "link", {}, {"link.MouseDown"}},
        {"the pointer away", MouseMove, "field", {}, {"link.MouseExit"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        log.clear();
        QTest::mouseEvent(step.action, Widget<QWidget>(step.widget), step.action == MouseMove ? Qt::NoButton : Qt::LeftButton,
                          {}, step.at);
        EXPECT_EQ(log, step.log);
    }
    EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>("field"));
    // The core keeps the group, clicked twice or not.
    EXPECT_TRUE(Widget<QRadioButton>("second")->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("first")->isChecked());

    Widget<QComboBox>("popup")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Widget<QComboBox>("popup"), Qt::Key_Down);
    EXPECT_EQ(popup->ListIndex(), 1);
}

} // namespace
} // namespace fwqt::test
