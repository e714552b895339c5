#include "cadenzo.h"

#include "application.h"
#include "globalprefs.h"
#include "text.h"

Cadenzo::Cadenzo() : taptimer(std::make_unique<std::array<std::int32_t, 33>>()) {}

Cadenzo::~Cadenzo() = default;

class Cadenzo& Cadenzo()
{
    // The framework's table of single instances finds the window, also while
    // its own Open and Close run.
    if (fw::Window* window = fw::_GetImplicitWindow("Cadenzo"))
        return fw::Deref(dynamic_cast<class Cadenzo*>(window));
    return fw::NewWindow<class Cadenzo>("Cadenzo");
}

void Cadenzo::Open()
{
    GlobalPrefs::Place place = GlobalPrefs::OpenPlace({GlobalPrefs::winx, GlobalPrefs::winy}, Width(),
                                                      {GlobalPrefs::kDefaultWinx, GlobalPrefs::kDefaultWiny});
    ::Cadenzo().SetTop(place.top);
    ::Cadenzo().SetLeft(place.left);
    auto& panel = fw::ControlAs<fw::TabPanel>(*this, "TabPanel1");
    const int shown = panel.Value();
    panel.SetValue(GlobalPrefs::tabactive);
    // Setting the value it already holds raises no Change: prepare it anyway,
    // so the first start has its focus in tempo1 and a restored Tap tab taps.
    if (panel.Value() == shown)
        TabPanel1_Change();
    Field("srate").SetText(fw::Str(GlobalPrefs::freq1));
    Field("beats").SetText(fw::Str(GlobalPrefs::beats1));
    auto& rate = fw::ControlAs<fw::PopupMenu>(*this, "SMPTEformat");
    const int designRate = rate.ListIndex();
    rate.SetListIndex(GlobalPrefs::SMPTEpopup);
    // Likewise for the frame rate: the result row is computed and a stored
    // index the pop-up refused is replaced by the one it shows.
    if (rate.ListIndex() == designRate)
        SMPTEformat_Change();
    curseurentry = 0;
}

void Cadenzo::Close()
{
    GlobalPrefs::winy = ::Cadenzo().Top();
    GlobalPrefs::winx = ::Cadenzo().Left();
    GlobalPrefs::tabactive = fw::ControlAs<fw::TabPanel>(*this, "TabPanel1").Value();
    if (fw::Application* app = fw::_GetAppObject())
        app->Quit(0);
}
