// The Tempo and Transpose tabs, typed into as a user does: every keystroke
// recomputes, so the results show without leaving the field. Each row is a
// case of each tab, run on the core and again through the real window.
// A number too long for a field shows where the user would look for it.

#include "viewuser.h"

#include <QLineEdit>

namespace {

TEST(TempoAndTransposeTabs, ShowTheStretchAndTheTransposition)
{
    // tempo shows time1, transpose1 and transpose3; time2 shows the stretch that keeps the length.
    struct Row { const char *name, *tempo1, *tempo2, *tempo, *semitones, *time2; double global; };
    const std::string kSixtyNines(60, '9');
    const Row rows[] = {
        {"slower to faster; a minor third", "120", "140", "85.71% +2.67 semi +3 semi -33 cent", "3", "118.92%", 120},
        {"faster to slower; a fifth", "140", "120", "116.67% -2.67 semi -3 semi +33 cent", "7", "149.83%", 140},
        {"cents from the shown value; a fraction", "90", "120", "75.00% +4.98 semi +5 semi -2 cent", "1.5", "109.05%", 90},
        {"an octave; an octave up", "100", "200", "50.00% +12.00 semi +12 semi 0 cent", "12", "200.00%", 100},
        {"equal tempos; an octave down", "120", "120", "  ", "-12", "50.00%", 120},
        {"equal, written differently; two octaves up", "120", "120.0", "  ", "24", "400.00%", 120},
        {"almost equal; two octaves down", "120", "120.001", "100.00% 0.00 semi 0 semi 0 cent", "-24", "25.00%", 120},
        {"low limit refused; zero", "20", "140", "  ", "0", "", 20},
        {"high limit refused; empty", "120", "250", "  ", "", "", 120},
        {"low limit + 0.01; above the range", "20.01", "140", "14.29% +33.68 semi +34 semi -32 cent", "25", "", 20.01},
        {"high limit - 0.01; just above the range", "249.99", "120", "208.33% -12.71 semi -13 semi +29 cent", "24.01", "", 249.99},
        {"twelve digits, too long for the field; below the range", "123456789012", "140", "  ", "-24.5", "", 123456789012},
        {"sixty digits, too long even for small type; above the range", kSixtyNines.c_str(), "140", "  ", "30", "", 1e60},
        {"empty original; not a number", "", "140", "  ", "NAN", "", 0},
    };
    for (bool view : {false, true}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (view ? ", through the view" : ""));
            auto user = NewUser(view);
            user->Start();
            user->TypeInto("tempo1", r.tempo1);
            user->TypeInto("tempo2", r.tempo2);
            EXPECT_EQ(user->Text("time1") + " " + user->Text("transpose1") + " " + user->Text("transpose3"), r.tempo);
            EXPECT_DOUBLE_EQ(user->Window().tempoglobal, r.global);
            EXPECT_EQ(user->Window().curseurentry, 1);
            // The transposition leaves the tempo carried as it was.
            user->ChooseTab("Transpose");
            user->TypeInto("transpose2", r.semitones);
            EXPECT_EQ(user->Text("time2"), r.time2);
            EXPECT_DOUBLE_EQ(user->Window().tempoglobal, r.global);
        }
    }
}

// A number too long for its field even in small type: its caret stays in
// view while it is typed, and a field the caret is not in shows its first
// digits, whether the user left it or the program wrote it.
TEST_F(RealWindow, ALongNumberShowsItsCaretWhileTypedAndItsBeginningElsewhere)
{
    // A field as painted, and the character at its left edge.
    auto painted = [this](const char* name) {
        auto* edit = Widget<QLineEdit>(name);
        edit->repaint();
        return edit;
    };
    auto firstShown = [&](const char* name) { return painted(name)->cursorPositionAt({4, 10}); };
    user.Start();
    user.TypeInto("tempo1", std::string(60, '9'));
    QLineEdit* tempo1 = painted("tempo1");
    // Qt's caret box reaches 5 pixels either side of the caret.
    EXPECT_TRUE(tempo1->contentsRect().contains(tempo1->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()));
    user.TypeInto("tempo2", "140");
    EXPECT_EQ(firstShown("tempo1"), 0);
    user.ChooseTab("Samples");
    for (auto [field, text] : {std::pair("srate", "96000"), {"beats", "8"}, {"loopms", "1e300"}})
        user.TypeInto(field, text);
    EXPECT_EQ(user.Text("loopl").substr(0, 8) + " " + std::to_string(firstShown("loopl")), "96000000 0");
}

} // namespace
