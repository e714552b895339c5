#include "tabrows.h"

#include <array>

std::vector<const std::vector<ControlRow>*> AllControlRows()
{
    return {&TempoRows(), &TransposeRows(), &DelayRows(), &TapRows(),
            &SamplesRows(), &NotesRows(), &SMPTERows(), &WindowRows()};
}

std::span<const char* const> CreationOrder()
{
    // Also the order the window holds its controls in.
    // The list noteshz comes before diapason, so the list's Open finds it
    // already built when the window opens.
    static constexpr std::array<const char*, 115> order = {
        // 1 to 50
        "TabPanel1", "StaticText1", "StaticText2", "StaticText3", "Separator1", "StaticText4", "tempo1",
        "tempo2", "time1", "transpose1", "StaticText6", "StaticText8", "Separator2", "transpose2", "time2",
        "tempo3", "StaticText11", "item", "tempo4", "TapButton", "Separator4", "buttonms", "buttonhz",
        "Canvas4", "StaticText18", "StaticText19", "StaticText20", "StaticText21", "Separator5",
        "StaticText5", "srate", "beats", "loopl", "loopms", "tempo5", "noteshz", "StaticText7", "diapason",
        "StaticText9", "StaticText10", "StaticText12", "StaticText13", "SMPTEformat", "H1", "StaticText14",
        "M1", "StaticText15", "S1", "StaticText16", "F1",
        // 51 to 100
        "StaticText17", "operateur", "H2", "StaticText22", "M2", "StaticText23", "S2", "StaticText24", "F2",
        "StaticText25", "Rectangle5", "StaticText26", "StaticText27", "StaticText28", "StaticText29",
        "StaticText30", "H3", "M3", "S3", "F3", "transpose3", "GroupBox1", "StaticText31", "GroupBox2",
        "StaticText32", "GroupBox3", "StaticText33", "GroupBox4", "StaticText34", "GroupBox5",
        "StaticText35", "Rectangle1", "Rectangle2", "Rectangle3", "Rectangle4", "GroupBox6", "StaticText36",
        "GroupBox7", "StaticText37", "Canvas1", "contactbut", "contactbuttxt", "webbut", "aboutbuttxt",
        "webbuttxt", "aproposbut", "TapCopy", "note1", "note2", "note3",
        // 101 to 115
        "note4", "note5", "note6", "note7", "note8", "note9", "note10", "note11", "note12", "note13",
        "note14", "note15", "note16", "note17", "note18",
    };
    return order;
}
