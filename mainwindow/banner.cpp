// The banner's links and the main window's menu items About and Close.

#include "cadenzo.h"
#include "links.h"
#include "nil.h"
#include "winabout.h"

namespace {

// The item of that name in the window's menu bar, as its class; nullptr when
// there is none, the nil-object exception when it is of another class.
template <class Item>
Item* ItemOf(const fw::Window& window, const char* name)
{
    fw::MenuItem* item = fw::Deref(window.MenuBar(), "no menu bar")._Lookup(name);
    if (item == nullptr)
        return nullptr;
    return &fw::Deref(dynamic_cast<Item*>(item), name);
}

} // namespace

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

fw::MenuItem* Cadenzo::UntitledMenu0() const { return ItemOf<fw::MenuItem>(*this, "UntitledMenu0"); }
fw::AppleMenuItem* Cadenzo::FileAbout() const { return ItemOf<fw::AppleMenuItem>(*this, "FileAbout"); }
fw::MenuItem* Cadenzo::EditSelectAll() const { return ItemOf<fw::MenuItem>(*this, "EditSelectAll"); }
fw::MenuItem* Cadenzo::EditClear() const { return ItemOf<fw::MenuItem>(*this, "EditClear"); }
fw::MenuItem* Cadenzo::EditPaste() const { return ItemOf<fw::MenuItem>(*this, "EditPaste"); }
fw::MenuItem* Cadenzo::EditCopy() const { return ItemOf<fw::MenuItem>(*this, "EditCopy"); }
fw::MenuItem* Cadenzo::EditCut() const { return ItemOf<fw::MenuItem>(*this, "EditCut"); }
fw::MenuItem* Cadenzo::UntitledMenu1() const { return ItemOf<fw::MenuItem>(*this, "UntitledMenu1"); }
fw::QuitMenuItem* Cadenzo::FileQuit() const { return ItemOf<fw::QuitMenuItem>(*this, "FileQuit"); }
fw::MenuItem* Cadenzo::UntitledMenu2() const { return ItemOf<fw::MenuItem>(*this, "UntitledMenu2"); }
fw::MenuItem* Cadenzo::FileClose() const { return ItemOf<fw::MenuItem>(*this, "FileClose"); }
fw::MenuItem* Cadenzo::UntitledMenu3() const { return ItemOf<fw::MenuItem>(*this, "UntitledMenu3"); }

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
