#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

// Tab "Tempo": two tempos in; the time stretch and the transposition out.
const std::vector<ControlRow>& TempoRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "StaticText1", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 207, .width = 112, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::ORIGINALTEMPO},
        {.name = "tempo1", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 205, .width = 48, .height = 18, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true, .autoDeactivate = false},
         .events = {{"TextChange", On<&Cadenzo::tempo1_TextChange>()}}},
        {.name = "StaticText2", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 232, .width = 110, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10},
         .strings = Strings::NEWTEMPO},
        {.name = "tempo2", .cls = ControlClass::EditFieldPlus,
         .design = {.left = 166, .top = 229, .width = 48, .height = 18, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .useFocusRing = true},
         .events = {{"TextChange", On<&Cadenzo::tempo2_TextChange>()}}},
        {.name = "Separator1", .cls = ControlClass::Separator,
         .design = {.left = 30, .top = 252, .width = 192, .height = 4, .page = 1, .parent = "TabPanel1"}},
        {.name = "StaticText3", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 263, .width = 86, .height = 16, .page = 1, .parent = "TabPanel1",
                    .text = "Time Stretching :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "time1", .cls = ControlClass::StaticText,
         .design = {.left = 159, .top = 263, .width = 52, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
        {.name = "StaticText4", .cls = ControlClass::StaticText,
         .design = {.left = 34, .top = 285, .width = 86, .height = 16, .page = 1, .parent = "TabPanel1",
                    .text = "Transpose :", .fontName = "Geneva", .fontSize = 10}},
        {.name = "transpose1", .cls = ControlClass::StaticText,
         .design = {.left = 128, .top = 285, .width = 83, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
        {.name = "transpose3", .cls = ControlClass::StaticText,
         .design = {.left = 96, .top = 311, .width = 115, .height = 16, .page = 1, .parent = "TabPanel1",
                    .fontName = "Geneva", .fontSize = 10, .align = fw::Align::Right}},
    };
    return rows;
}

void Cadenzo::tempo1_TextChange() { tempo(); }

void Cadenzo::tempo2_TextChange() { tempo(); }

void Cadenzo::tempo()
{
    // Each condition reads its field afresh, and the results read them again.
    auto t1 = [this] { return fw::CDbl(fw::ControlAs<fw::EditField>(*this, "tempo1").Text()); };
    auto t2 = [this] { return fw::CDbl(fw::ControlAs<fw::EditField>(*this, "tempo2").Text()); };
    auto& time1 = fw::ControlAs<fw::StaticText>(*this, "time1");
    auto& transpose1 = fw::ControlAs<fw::StaticText>(*this, "transpose1");
    auto& transpose3 = fw::ControlAs<fw::StaticText>(*this, "transpose3");

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
    tempoglobal = fw::CDbl(fw::ControlAs<fw::EditField>(*this, "tempo1").Text());
    curseurentry = 1;
}
