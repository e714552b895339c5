// The banner's links and the main window's menu items About and Close.

#include "cadenzo.h"
#include "links.h"
#include "menu.h"
#include "nil.h"
#include "winabout.h"

bool Cadenzo::link_MouseDown(Link link)
{
    if (link == Link::About)
        ::winabout().Show();
    else
        OpenLink(link);
    return false;
}

void Cadenzo::link_MouseEnter(Link link) { HoverLink(*this, link, true); }

void Cadenzo::link_MouseExit(Link link) { HoverLink(*this, link, false); }

fw::MenuItem* Cadenzo::UntitledMenu0() const { return fw::ItemOf(MenuBar(), "UntitledMenu0"); }
fw::AppleMenuItem* Cadenzo::FileAbout() const { return fw::ItemOf<fw::AppleMenuItem>(MenuBar(), "FileAbout"); }
fw::MenuItem* Cadenzo::EditSelectAll() const { return fw::ItemOf(MenuBar(), "EditSelectAll"); }
fw::MenuItem* Cadenzo::EditClear() const { return fw::ItemOf(MenuBar(), "EditClear"); }
fw::MenuItem* Cadenzo::EditPaste() const { return fw::ItemOf(MenuBar(), "EditPaste"); }
fw::MenuItem* Cadenzo::EditCopy() const { return fw::ItemOf(MenuBar(), "EditCopy"); }
fw::MenuItem* Cadenzo::EditCut() const { return fw::ItemOf(MenuBar(), "EditCut"); }
fw::MenuItem* Cadenzo::UntitledMenu1() const { return fw::ItemOf(MenuBar(), "UntitledMenu1"); }
fw::QuitMenuItem* Cadenzo::FileQuit() const { return fw::ItemOf<fw::QuitMenuItem>(MenuBar(), "FileQuit"); }
fw::MenuItem* Cadenzo::UntitledMenu2() const { return fw::ItemOf(MenuBar(), "UntitledMenu2"); }
fw::MenuItem* Cadenzo::FileClose() const { return fw::ItemOf(MenuBar(), "FileClose"); }
fw::MenuItem* Cadenzo::UntitledMenu3() const { return fw::ItemOf(MenuBar(), "UntitledMenu3"); }

void Cadenzo::AddMenuHandlers(fw::Window& window)
{
    auto& self = fw::Deref(dynamic_cast<class Cadenzo*>(&window));
    _AddMenuHandler("FileAbout", [&self] { return self._FileAbout_Action(); });
    _AddMenuHandler("FileClose", [&self] { return self._FileClose_Action(); });
}

void Cadenzo::EnableMenuItems()
{
    fw::Deref(FileAbout(), "FileAbout").Enabled = true;
    fw::Deref(FileClose(), "FileClose").Enabled = true;
}

bool Cadenzo::_FileAbout_Action()
{
    // Not modal: the main window stays usable behind it.
    ::winabout().Show();
    return false;
}

bool Cadenzo::_FileClose_Action()
{
    // Its Close stores the window's place and quits.
    CloseWindow();
    return false;
}
