#include "resetrun.h"

#include "application.h"
#include "filetypes.h"
#include "globalprefs.h"
#include "menubar.h"
#include "pictures.h"
#include "uistrings.h"

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
