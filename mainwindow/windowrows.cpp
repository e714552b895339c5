#include "links.h"
#include "pictures.h"
#include "tabrows.h"
#include "uistrings.h"

namespace {

// One help box per page: an uncaptioned group box around the page's help text.
ControlRow HelpBox(const char* name, int page)
{
    return {.name = name, .cls = ControlClass::GroupBox,
            .design = {.left = 233, .top = 203, .width = 240, .height = 156, .page = page, .parent = "TabPanel1"}};
}

ControlRow HelpText(const char* name, int page, const char* parent, std::string (*text)())
{
    return {.name = name, .cls = ControlClass::StaticText,
            .design = {.left = 243, .top = 209, .width = 219, .height = 145, .page = page, .parent = parent,
                       .fontName = "System", .fontSize = 11, .multiLine = true},
            .strings = text};
}

} // namespace

const std::vector<ControlRow>& WindowRows()
{
    static const std::vector<ControlRow> rows = {
        {.name = "TabPanel1", .cls = ControlClass::TabPanel,
         .design = {.left = 18, .top = 166, .width = 466, .height = 202, .fontName = "system", .fontSize = 12,
                    .items = {"Tempo", "Transpose", "Delay", "Tap", "Samples", "Notes", "SMPTE"}},
         .events = {{"Change", On<&Cadenzo::TabPanel1_Change>()}}},

        HelpBox("GroupBox1", 1), HelpText("StaticText31", 1, "TabPanel1", Strings::HELP1),
        HelpBox("GroupBox2", 2), HelpText("StaticText32", 2, "TabPanel1", Strings::HELP2),
        HelpBox("GroupBox3", 3), HelpText("StaticText33", 3, "TabPanel1", Strings::HELP3),
        HelpBox("GroupBox4", 4), HelpText("StaticText34", 4, "TabPanel1", Strings::HELP4),
        HelpBox("GroupBox5", 5), HelpText("StaticText35", 5, "TabPanel1", Strings::HELP5),
        HelpBox("GroupBox6", 6), HelpText("StaticText36", 6, "GroupBox6", Strings::HELP6),
        HelpBox("GroupBox7", 7), HelpText("StaticText37", 7, "TabPanel1", Strings::HELP7),

        // The banner: the logo, then the contact, website and About links from
        // the right, each a picture over its caption. The About link and the
        // website picture lie on the logo, so the logo carries them.
        {.name = "Canvas1", .cls = ControlClass::Canvas,
         .design = {.left = 17, .top = 6, .width = 400, .height = 158},
         .picture = logo},
        LinkEvents<class Cadenzo>(LinkPictureRow("contactbut", 433, 122, contact), Link::Contact),
        LinkEvents<class Cadenzo>(LinkCaptionRow("contactbuttxt", 422, 144, "Contact"), Link::Contact),
        LinkEvents<class Cadenzo>(LinkPictureRow("webbut", 376, 122, web, "Canvas1"), Link::Website),
        [] {
            ControlRow row = LinkCaptionRow("aboutbuttxt", 308, 144, {}, "Canvas1");
            row.strings = Strings::ABOUTBUT;
            return LinkEvents<class Cadenzo>(std::move(row), Link::About);
        }(),
        LinkEvents<class Cadenzo>(LinkCaptionRow("webbuttxt", 365, 144, "Website"), Link::Website),
        LinkEvents<class Cadenzo>(LinkPictureRow("aproposbut", 319, 122, apropos, "Canvas1"), Link::About),
    };
    return rows;
}
