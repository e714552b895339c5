// The Delay tab, typed into as a user does: the 18 cells follow the tempo,
// a length typed into any cell gives the tempo back, and the unit buttons
// turn every cell into milliseconds or hertz; in the real window every value
// shows whole in its 45-pixel cell.

#include "viewuser.h"

#include <QFontMetrics>
#include <QLineEdit>

#include <cstdlib>
#include <string>

namespace {

// The texts of note1 … note18 (whole to thirty-second note, each plain,
// dotted and triplet), each followed by the separator.
std::string Cells(const SimUser& user, const char* separator)
{
    std::string cells;
    for (int n = 1; n <= 18; ++n)
        cells += user.Text("note" + std::to_string(n)) + separator;
    return cells;
}

QLineEdit& CellWidget(int n) { return static_cast<QLineEdit&>(ViewUser::ShownWidget("Cadenzo", "note" + std::to_string(n))); }

// A frameless QLineEdit lays its text out 2 pixels in from each side and
// wants 1 more for the caret; a wider text scrolls its first digits away.
void ExpectEveryCellWhole()
{
    for (int n = 1; n <= 18; ++n) {
        const QLineEdit& cell = CellWidget(n);
        SCOPED_TRACE(cell.objectName().toStdString() + " \"" + cell.text().toStdString() + "\"");
        EXPECT_LE(QFontMetrics(cell.font()).horizontalAdvance(cell.text()) + 1, cell.width() - 2 * 2);
    }
}

TEST(DelayTab, CellsFollowTheTempoInBothUnitsAndAFieldTypedIntoKeepsItsTextWhileTheOthersFollow)
{
    // After the story, each row at 100 BPM first, so that emptied cells show.
    struct Row { const char *name; bool hz; const char *field, *typed, *tempo3, *probe, *probeText; };
    const Row rows[] = {
        {"tempo low limit", false, "tempo3", "20", "20", nullptr, ""},
        {"tempo just below the high limit, hertz", true, "tempo3", "249.99", "249.99", "note18", "50.00"},
        {"quarter in hertz", true, "note7", "2", "120.00", "note1", "0.50"},
        {"dotted quarter in hertz", true, "note8", "1.33", "119.70", "note1", "0.50"},
        {"whole just below the high limit", false, "note1", "961", "249.74", "note7", "240.25"},
        {"whole giving the low limit", false, "note1", "12000", "", nullptr, ""},
        {"cell emptied", false, "note7", "", "", nullptr, ""},
        {"cell negative in hertz", true, "note9", "-3", "", nullptr, ""},
    };
    for (bool view : {false, true}) {
        SCOPED_TRACE(view ? "through the view" : "on the core");
        auto user = NewUser(view);
        user->Start();
        user->ChooseTab("Delay");
        user->TypeInto("tempo3", "120");
        EXPECT_EQ(Cells(*user, " "), "2000.00 3000.00 1333.33 1000.00 1500.00 666.67 500.00 750.00 333.33 "
                                    "250.00 375.00 166.67 125.00 187.50 83.33 62.50 93.75 41.67 ");

        user->Window().curseurentry = 3;
        user->TypeInto("note7", "333");
        // The other cells follow the rounded tempo: 124.87 from 180.18018.
        EXPECT_EQ(user->Text("tempo3") + " " + user->Text("note14"), "180.18 124.88");
        EXPECT_EQ(user->Window().curseurentry, 1);
        // A unit switch turns every cell, the focused one too, from tempo3, and
        // leaves tempo3 ready to type over: focused, its whole text selected.
        user->Click("buttonhz");
        EXPECT_EQ(user->Text("note7") + " " + user->Text("note18"), "3.00 36.04");
        EXPECT_EQ(user->FocusedName() + " " + user->Get<fw::EditField>("tempo3").SelText(), "tempo3 180.18");
        user->Click("buttonms");
        EXPECT_EQ(user->Text("note7") + " " + user->Text("note18"), "333.00 27.75");
        // Typed over: 24 BPM in milliseconds gives the widest values, shown whole in the window.
        user->Type("24");
        EXPECT_EQ(user->Text("note2"), "15000.00");
        if (view) {
            const QFont regular = CellWidget(4).font();
            ExpectEveryCellWhole();
            // Only the cells that need it are narrowed, and never shortened.
            EXPECT_LT(CellWidget(1).font().stretch(), regular.stretch());
            EXPECT_EQ(CellWidget(1).font().pixelSize(), regular.pixelSize());
            user->Click("buttonhz");
            ExpectEveryCellWhole();
            EXPECT_EQ(CellWidget(1).font(), regular);
        }
        for (const Row& r : rows) {
            SCOPED_TRACE(r.name);
            user->TypeInto("tempo3", "100");
            user->Click(r.hz ? "buttonhz" : "buttonms");
            user->TypeInto(r.field, r.typed);
            EXPECT_EQ(user->Text(r.field) + " " + user->Text("tempo3"), std::string(r.typed) + " " + r.tempo3);
            EXPECT_DOUBLE_EQ(user->Window().tempoglobal, std::atof(r.tempo3));
            // No probe: the field's text is the only one in the tab.
            EXPECT_EQ(r.probe ? user->Text(r.probe) : Cells(*user, "") + user->Text("tempo3"), r.probe ? r.probeText : r.typed);
        }
    }
}

} // namespace
