#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

// Tab "Transpose": semitones in; the time stretch that keeps the length out.
const std::vector<ControlRow>& TransposeRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText6", 2, {34, 207, 100, 17}, Strings::SEMITOTRANSPOSE),
        Bind(TabField("transpose2", 2, {166, 205, 48, 18}), "TextChange", On<&Cadenzo::transpose2_TextChange>()),
        TabSeparator("Separator2", 2, {30, 229, 192, 4}),
        TabLabel("StaticText8", 2, {35, 241, 86, 16}, "Time Stretching :"),
        TabResult("time2", 2, {159, 241, 52, 16}),
    };
    return rows;
}

void Cadenzo::transpose2_TextChange() { transpose(); }

void Cadenzo::transpose()
{
    auto x = [this] { return Number("transpose2"); };
    fw::StaticText& time2 = Label("time2");
    // From -24 to 24 semitones, both included, but 0; "NAN" is in no range.
    if (-24 <= x() && x() <= 24 && x() != 0)
        time2.SetText(fw::Format(fw::Pow(kSemitone, x()), "###.00%"));
    else
        time2.SetText("");
}
