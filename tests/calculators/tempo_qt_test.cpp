// The Tempo and Transpose tabs, typed into as a user does: every keystroke
// recomputes, so the results show without leaving the field. Each row is a
// case of each tab, run on the core and again through the real window.

#include "convert.h"
#include "viewuser.h"

#include <gtest/gtest.h>

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
        {"not a number; minus zero", "abc", "140", "  ", "-0", "", 0},
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
            if (view && r.tempo1 == kSixtyNines) {
                // Type that small could not be read: the field keeps its own and scrolls, the caret in view.
                auto& field = static_cast<QLineEdit&>(ViewUser::ShownWidget("Cadenzo", "tempo1"));
                field.repaint();
                EXPECT_EQ(field.font(), fwqt::ViewFont(user->Get<fw::EditField>("tempo1").TextFont()));
                // Qt's caret box reaches 5 pixels either side of the caret.
                EXPECT_TRUE(field.contentsRect().contains(field.inputMethodQuery(Qt::ImCursorRectangle).toRect().center()));
            }
            // The transposition leaves the tempo carried as it was.
            user->ChooseTab("Transpose");
            user->TypeInto("transpose2", r.semitones);
            EXPECT_EQ(user->Text("time2"), r.time2);
            EXPECT_DOUBLE_EQ(user->Window().tempoglobal, r.global);
        }
    }
}

} // namespace
