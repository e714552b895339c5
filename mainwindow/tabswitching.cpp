#include "cadenzo.h"
#include "globalprefs.h"
#include "text.h"

// Prepares the tab just chosen: the carried tempo into its tempo field, the
// focus into its first input with the text selected, the space bar armed
// only on the Tap tab. Each write runs its field's handlers before the next.
void Cadenzo::TabPanel1_Change()
{
    const int value = fw::ControlAs<fw::TabPanel>(*this, "TabPanel1").Value();
    // Writes the carried tempo into the field; false when none is carried.
    auto fill = [this](const char* name) {
        if (tempoglobal == 0)
            return false;
        Field(name).SetText(fw::Str(tempoglobal));
        return true;
    };
    auto focusAll = [this](const char* name) {
        Field(name).SetFocus();
        Field(name).SelectAll();
    };
    switch (value) {
    case 0:
        if (!fill("tempo1"))
            Field("tempo1").SetText("");
        focusAll("tempo1");
        tapactived = false;
        break;
    case 1:
        focusAll("transpose2");
        tapactived = false;
        break;
    case 2:
        if (!fill("tempo3"))
            Field("tempo3").SetText("");
        curseurdelay = 0;
        focusAll("tempo3");
        tapactived = false;
        // Recomputes the cells even when tempo3 already held the tempo.
        delay(0);
        break;
    case 3:
        tapactived = true;
        break;
    case 4:
        // Unlike Tempo and Delay, Samples keeps its tempo when none is carried.
        fill("tempo5");
        focusAll("loopl");
        tapactived = false;
        break;
    case 5:
        fw::ControlAs<fw::Listbox>(*this, "noteshz").SetFocus();
        tapactived = false;
        break;
    case 6:
        focusAll("H1");
        tapactived = false;
        break;
    default:
        break;
    }
    GlobalPrefs::tabactive = fw::ControlAs<fw::TabPanel>(*this, "TabPanel1").Value();
}

// The space bar taps while the Tap tab is prepared; no key counts as handled.
bool Cadenzo::KeyDown(const std::string& key)
{
    if (key == " " && tapactived)
        taptempo();
    return false;
}
