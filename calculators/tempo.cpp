#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

// Tab "Tempo": two tempos in; the time stretch and the transposition out.
const std::vector<ControlRow>& TempoRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText1", 1, {34, 207, 112, 16}, Strings::ORIGINALTEMPO),
        Bind(TabField("tempo1", 1, {166, 205, 48, 18}), "TextChange", On<&Cadenzo::tempo1_TextChange>()),
        TabLabel("StaticText2", 1, {34, 232, 110, 16}, Strings::NEWTEMPO),
        Bind(TabField("tempo2", 1, {166, 229, 48, 18}), "TextChange", On<&Cadenzo::tempo2_TextChange>()),
        TabSeparator("Separator1", 1, {30, 252, 192, 4}),
        TabLabel("StaticText3", 1, {34, 263, 86, 16}, "Time Stretching :"),
        TabResult("time1", 1, {159, 263, 52, 16}),
        TabLabel("StaticText4", 1, {34, 285, 86, 16}, "Transpose :"),
        TabResult("transpose1", 1, {128, 285, 83, 16}),
        TabResult("transpose3", 1, {96, 311, 115, 16}),
    };
    return rows;
}

void Cadenzo::tempo1_TextChange() { tempo(); }

void Cadenzo::tempo2_TextChange() { tempo(); }

void Cadenzo::tempo()
{
    // Each condition reads its field afresh, and the results read them again.
    auto t1 = [this] { return Number("tempo1"); };
    auto t2 = [this] { return Number("tempo2"); };
    fw::StaticText& time1 = Label("time1");
    fw::StaticText& transpose1 = Label("transpose1");
    fw::StaticText& transpose3 = Label("transpose3");

    if (TempoUsable(t1()) && TempoUsable(t2()) && t1() != t2()) {
        time1.SetText(fw::Format(t1() / t2(), "###.00%"));
        transpose1.SetText(fw::Format(fw::Log(t2() / t1()) / fw::Log(kSemitone), "+##.00") + " semi");
        // Whole semitones and cents come from the two decimals shown, so the
        // cents always make up the difference the user can read.
        std::string semitones = fw::Format(fw::CDbl(transpose1.Text()), "+##");
        transpose3.SetText(semitones + " semi "
                           + fw::Format((fw::CDbl(transpose1.Text()) - fw::Val(semitones)) * 100, "+##")
                           + " cent");
    } else {
        time1.SetText("");
        transpose1.SetText("");
        transpose3.SetText("");
    }
    tempoglobal = Number("tempo1");
    curseurentry = 1;
}
