#include "tabrows.h"

namespace {

fw::DesignProperties OnPage(int page, Box box)
{
    return {.left = box.left, .top = box.top, .width = box.width, .height = box.height, .page = page,
            .parent = "TabPanel1", .fontName = "Geneva", .fontSize = 10};
}

} // namespace

ControlRow TabLabel(const char* name, int page, Box box, std::string text)
{
    ControlRow row{.name = name, .cls = ControlClass::StaticText, .design = OnPage(page, box)};
    if (!text.empty())
        row.design.text = std::move(text);
    return row;
}

ControlRow TabLabel(const char* name, int page, Box box, std::string (*strings)())
{
    ControlRow row = TabLabel(name, page, box);
    row.strings = strings;
    return row;
}

ControlRow TabResult(const char* name, int page, Box box, std::string text)
{
    ControlRow row = TabLabel(name, page, box, std::move(text));
    row.design.align = fw::Align::Right;
    return row;
}

ControlRow TabField(const char* name, int page, Box box, std::string text)
{
    ControlRow row{.name = name, .cls = ControlClass::EditFieldPlus, .design = OnPage(page, box)};
    if (!text.empty())
        row.design.text = std::move(text);
    return row;
}

ControlRow TabSeparator(const char* name, int page, Box box)
{
    ControlRow row{.name = name, .cls = ControlClass::Separator, .design = OnPage(page, box)};
    row.design.fontName.reset();
    row.design.fontSize.reset();
    return row;
}
