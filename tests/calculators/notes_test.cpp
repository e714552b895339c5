// The Notes tab as a user meets it: the 128 notes are listed when the tab is
// first shown, follow the diapason field, and the list cannot be moved away
// from the reference note.

#include "simuser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class NotesTab : public testing::Test {
protected:
    void SetUp() override
    {
        user.Start();
        user.ChooseTab("Notes");
    }

    fw::Listbox& List() const { return user.Get<fw::Listbox>("noteshz"); }

    // Row 65 on top; row 69 alone selected and bold.
    void ExpectReferenceInView() const
    {
        EXPECT_EQ(List().ScrollPosition(), 65);
        EXPECT_EQ(List().ListIndex(), 69);
        for (int row : {0, 68, 69, 70, 127})
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(List().CellBold(row, column), row == 69) << row << "," << column;
    }

    SimUser user;
};

TEST_F(NotesTab, OpensWithTheNotesFor440)
{
    const std::array<std::array<const char*, 3>, 9> rows = {{
        {"   0", "    9", "    C -2"},      {"   11", "    16", "    B -2"},   {"   12", "    17", "    C -1"},
        {"   57", "    221", "    A 2"},    {"   68", "    416", "    G# 3"},  {"   69", "    440", "    A 3"},
        {"   81", "    880", "    A 4"},    {"   93", "    1760", "    A 5"},  {"   127", "    12544", "    G 8"},
    }};
    ASSERT_EQ(List().ListCount(), 128);
    for (const auto& cells : rows) {
        const int row = std::stoi(cells[0]); // the first column numbers the row
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(List().Cell(row, column), cells[column]) << row << "," << column;
    }
    ExpectReferenceInView();
}

constexpr std::array<const char*, 5> k440 = {"    9", "    221", "    440", "    880", "    12544"};
constexpr std::array<const char*, 5> k442 = {"    9", "    222", "    442", "    884", "    12601"};

TEST_F(NotesTab, AReferenceGivesTheListAtOnceAndTheFieldIsTidiedOnLeaving)
{
    // hz: rows 0, 57, 69, 81, 127; left: the field once the user has clicked into the list.
    struct Row { const char *name, *typed; std::array<const char*, 5> hz; const char* left; };
    const Row rows[] = {
        {"442", "442", k442, "442"},
        {"415", "415", {"    8", "    208", "    415", "    830", "    11832"}, "415"},
        {"largest", "10000", {"    186", "    5001", "    10000", "    20000", "    285088"}, "10000"},
        {"fraction dropped", "442.7", k442, "442.7"},
        {"below one hertz", "0.5", {"    0", "    0", "    0", "    0", "    0"}, "0.5"},
        {"just above largest", "10000.5", k440, "10000.5"}, {"above largest", "20000", k440, "20000"},
        {"empty", "", k440, "440"}, {"zero", "0", k440, "440"}, {"negative", "-5", k440, "440"}, {"letters", "abc", k440, "440"},
        {"not a number", "NAN", k440, "440"}, {"infinite", "INF", k440, "INF"},
    };
    const int listed[] = {0, 57, 69, 81, 127};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        user.TypeInto("diapason", r.typed);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(List().Cell(listed[i], 1), r.hz[i]) << "row " << listed[i];
        ExpectReferenceInView();
        List().SetScrollPosition(0); // as the scroll bar does
        user.ClickCell("noteshz", 70, 1);
        ExpectReferenceInView();
        EXPECT_EQ(user.Text("diapason"), r.left);
        EXPECT_EQ(List().Cell(69, 1), r.hz[2]);
    }
}

} // namespace
