#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

// Tab "Transpose": semitones in; the time stretch that keeps the length out.
const std::vector<ControlRow>& TransposeRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "StaticText6", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 100, .height = 17, .page = 2, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::SEMITOTRANSPOSE},
        {.name = "transpose2", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 2, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true},
         .events = {{"TextChange", On<&Cadenzo::transpose2_TextChange>()}}},
        {.name = "Separator2", .cls = ControlClass::Separator,
         .design = {.left = 30, .top = 229, .width = 192, .height = 4, .page = 2, .parent = "TabPanel1"}},
        {.name = "StaticText8", .cls = ControlClass::StaticText,
         .design = {.left = 35, .top = 241, .width = 86, .height = 16, .page = 2, .parent = "TabPanel1",
                    .text = "Time Stretching :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "time2", .cls = ControlClass::StaticText,
         .design = {.left = 159, .top = 241, .width = 52, .height = 16, .page = 2, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
    };
    return rows;
}

void Cadenzo::transpose2_TextChange() { transpose(); }

void Cadenzo::transpose()
{
    auto x = [this] { return fw::CDbl(fw::ControlAs<fw::EditField>(*this, "transpose2").Text()); };
    auto& time2 = fw::ControlAs<fw::StaticText>(*this, "time2");
    if (!(x() < -24) && !(x() > 24) && x() != 0)
        time2.SetText(fw::Format(fw::Pow(kSemitone, x()), "###.00%"));
    else
        time2.SetText("");
}
