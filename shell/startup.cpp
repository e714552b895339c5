#include "startup.h"

#include "app.h"
#include "cadenzo.h"
#include "filetypes.h"
#include "globalprefs.h"
#include "menubar.h"
#include "pictures.h"
#include "uistrings.h"

void _InitFileTypes() { FileTypes::_Initialize(); }

void _NewAppInstance()
{
    auto app = std::make_unique<class App>();
    app->SetMenuBar(&Menu());
    fw::_RuntimeRegisterAppObject(std::move(app));
}

void _ApplicationAddMenuHandlers()
{
    // Menu handlers are bound per window and per control.
}

void _MakeDefaultView() { (void)Cadenzo(); }

void StartUp()
{
    fw::_RuntimeInitExternalClasses();
    fw::_InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _Main()
{
    try {
        StartUp();
        fw::_RuntimeRun();
    } catch (...) {
        fw::_UnhandledException(std::current_exception());
    }
}

void ResetRun()
{
    fw::RuntimeShutdown();
    ForgetMenu();
    Strings::ForgetLookups();
    ForgetPictures();
    FileTypes::pText.reset();
    FileTypes::pPref.reset();
    GlobalPrefs::winx = GlobalPrefs::winy = GlobalPrefs::boxx = GlobalPrefs::boxy = 0;
    GlobalPrefs::tabactive = GlobalPrefs::freq1 = GlobalPrefs::beats1 = 0;
    GlobalPrefs::SMPTEpopup = 0;
}
