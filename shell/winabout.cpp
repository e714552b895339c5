#include "winabout.h"

#include "application.h"
#include "globalprefs.h"
#include "links.h"
#include "menubar.h"
#include "pictures.h"
#include "uistrings.h"

#include <vector>

namespace {

const std::vector<ControlRow>& AboutRows()
{
    static const std::vector<ControlRow> rows = {
        Bind({.name = "PushButton1", .cls = ControlClass::PushButton,
              .design = {.left = 92, .top = 245, .width = 71, .height = 20, .text = "Ok", .fontName = "System",
                         .fontSize = 12, .isDefault = true}},
             "Action", On<&winabout::PushButton1_Action>()),
        {.name = "Canvas1", .cls = ControlClass::Canvas,
         .design = {.left = 64, .top = 6, .width = 123, .height = 158},
         .picture = logo},
        // The first line reaches over the foot of the logo.
        {.name = "StaticText2", .cls = ControlClass::StaticText,
         .design = {.left = 20, .top = 135, .width = 208, .height = 32, .fontName = "Geneva", .fontSize = 12,
                    .align = fw::Align::Center, .multiLine = true},
         .strings = Strings::CREDITS1},
        {.name = "StaticText3", .cls = ControlClass::StaticText,
         .design = {.left = 13, .top = 177, .width = 224, .height = 16, .fontName = "Geneva", .fontSize = 9,
                    .align = fw::Align::Center, .multiLine = true},
         .strings = Strings::CREDITS2},
        LinkEvents<class winabout>(LinkPictureRow("contactbut", 135, 197, contact), Link::Contact),
        LinkEvents<class winabout>(LinkCaptionRow("contactbuttxt", 124, 219, "Contact"), Link::Contact),
        LinkEvents<class winabout>(LinkPictureRow("webbut", 78, 197, web), Link::Website),
        // Its box overlaps the Contact caption's by five pixels.
        LinkEvents<class winabout>(LinkCaptionRow("webbuttxt", 67, 219, "Website"), Link::Website),
    };
    return rows;
}

} // namespace

class winabout& winabout()
{
    // The framework's table finds the window, also while its Open and Close run.
    if (fw::Window* window = fw::_GetImplicitWindow("winabout"))
        return fw::Deref(dynamic_cast<class winabout*>(window));
    return fw::NewWindow<class winabout>("winabout");
}

void winabout::Layout()
{
    // No menu bar of its own: the application's serves it. No place either:
    // Open puts it where the last one was closed.
    _SetProperties({.title = "About...", .width = 250, .height = 285, .resizeable = false,
                    .maximizeButton = false, .backColor = 0xEFEFEF, .visible = true});
}

void winabout::CreateControls() { _CreateControls0(); }

void winabout::_CreateControls0()
{
    for (const ControlRow& row : AboutRows())
        CreateControl(*this, row);
}

void winabout::PushButton1_Action() { ::winabout().Hide(); }

bool winabout::link_MouseDown(Link link)
{
    OpenLink(link);
    return false;
}

void winabout::link_MouseEnter(Link link) { HoverLink(*this, link, true); }

void winabout::link_MouseExit(Link link) { HoverLink(*this, link, false); }

void winabout::AddMenuHandlers(fw::Window& window)
{
    auto& self = fw::Deref(dynamic_cast<class winabout*>(&window));
    _AddMenuHandler("FileAbout", [&self] { return self._FileAbout_Action(); });
    _AddMenuHandler("FileClose", [&self] { return self._FileClose_Action(); });
}

void winabout::EnableMenuItems() { fw::Deref(::FileClose(), "FileClose").Enabled = true; }

void winabout::Open()
{
    // Wherever the last one was closed, while the user can still reach it.
    GlobalPrefs::Place place = GlobalPrefs::OpenPlace({GlobalPrefs::boxx, GlobalPrefs::boxy}, Width(),
                                                      {GlobalPrefs::kDefaultBoxx, GlobalPrefs::kDefaultBoxy});
    ::winabout().SetTop(place.top);
    ::winabout().SetLeft(place.left);
}

void winabout::Close()
{
    GlobalPrefs::boxy = ::winabout().Top();
    GlobalPrefs::boxx = ::winabout().Left();
}

bool winabout::_FileAbout_Action() { return false; }

bool winabout::_FileClose_Action()
{
    CloseWindow();
    return false;
}
