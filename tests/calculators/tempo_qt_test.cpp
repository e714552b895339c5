// The Tempo and Transpose tabs, typed into as a user does: every keystroke
// recomputes, so the results show without leaving the field. The tempo
// table runs on the core and again through the real window.

#include "viewuser.h"

#include <gtest/gtest.h>

namespace {

TEST(TempoTab, ShowsTheStretchAndTheTransposition)
{
    struct Row { const char *name, *tempo1, *tempo2, *time1, *transpose1, *transpose3; double global; };
    const Row rows[] = {
        {"slower to faster", "120", "140", "85.71%", "+2.67 semi", "+3 semi -33 cent", 120},
        {"faster to slower", "140", "120", "116.67%", "-2.67 semi", "-3 semi +33 cent", 140},
        {"cents from the shown value", "90", "120", "75.00%", "+4.98 semi", "+5 semi -2 cent", 90},
        {"an octave", "100", "200", "50.00%", "+12.00 semi", "+12 semi 0 cent", 100},
        {"equal tempos", "120", "120", "", "", "", 120},
        {"equal, written differently", "120", "120.0", "", "", "", 120},
        {"almost equal", "120", "120.001", "100.00%", "0.00 semi", "0 semi 0 cent", 120},
        {"low limit refused", "20", "140", "", "", "", 20},
        {"high limit refused", "120", "250", "", "", "", 120},
        {"just above the low limit", "20.01", "140", "14.29%", "+33.68 semi", "+34 semi -32 cent", 20.01},
        {"just below the high limit", "249.99", "120", "208.33%", "-12.71 semi", "-13 semi +29 cent", 249.99},
        {"out of range, still carried", "300", "140", "", "", "", 300},
        {"twelve digits, too long for the field", "123456789012", "140", "", "", "", 123456789012},
        {"empty original", "", "140", "", "", "", 0},
        {"not a number", "abc", "140", "", "", "", 0},
    };
    for (bool view : {false, true}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (view ? ", through the view" : ""));
            auto user = NewUser(view);
            user->Start();
            user->TypeInto("tempo1", r.tempo1);
            user->TypeInto("tempo2", r.tempo2);
            EXPECT_EQ(user->Text("time1"), r.time1);
            EXPECT_EQ(user->Text("transpose1"), r.transpose1);
            EXPECT_EQ(user->Text("transpose3"), r.transpose3);
            EXPECT_DOUBLE_EQ(user->Window().tempoglobal, r.global);
            EXPECT_EQ(user->Window().curseurentry, 1);
        }
    }
}

TEST(TransposeTab, ShowsTheStretchThatKeepsTheLength)
{
    const char* const rows[][3] = {
        {"minor third", "3", "118.92%"},   {"fifth", "7", "149.83%"},          {"fraction", "1.5", "109.05%"},
        {"octave up", "12", "200.00%"},    {"octave down", "-12", "50.00%"},   {"two octaves up", "24", "400.00%"},
        {"two octaves down", "-24", "25.00%"}, {"zero", "0", ""},           {"empty", "", ""},
        {"above the range", "25", ""},     {"just above the range", "24.01", ""}, {"below the range", "-24.5", ""},
        {"not a number", "NAN", ""},
    };
    for (auto [name, semitones, time2] : rows) {
        SCOPED_TRACE(name);
        SimUser user;
        user.Start();
        user.ChooseTab("Transpose");
        user.TypeInto("transpose2", semitones);
        EXPECT_EQ(user.Text("time2"), time2);
        EXPECT_DOUBLE_EQ(user.Window().tempoglobal, 0);
    }
}

} // namespace
