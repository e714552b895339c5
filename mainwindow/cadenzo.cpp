#include "cadenzo.h"

#include "application.h"
#include "globalprefs.h"

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
    ::Cadenzo().SetTop(GlobalPrefs::winy);
    ::Cadenzo().SetLeft(GlobalPrefs::winx);
}

void Cadenzo::Close()
{
    GlobalPrefs::winy = ::Cadenzo().Top();
    GlobalPrefs::winx = ::Cadenzo().Left();
    if (fw::Application* app = fw::_GetAppObject())
        app->Quit(0);
}
