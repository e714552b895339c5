#include "app.h"

#include "cadenzo.h"
#include "globalprefs.h"

#include <string>

namespace {

const std::string kPrefsName = "Cadenzo Prefs";

// A preferences file stood but could not be read: saving the defaults over
// it at quit would lose the user's settings.
bool g_keepUnreadFile = false;

// The settings file; nullptr when there is no preferences folder, in which
// case the program runs on its defaults and saves nothing.
fw::FolderItemPtr PrefsFile()
{
    fw::FolderItemPtr folder = fw::PreferencesFolder();
    return folder ? folder->Child(kPrefsName) : nullptr;
}

} // namespace

class App& App()
{
    return fw::Deref(dynamic_cast<class App*>(fw::_GetAppObject()), "no application object");
}

void App::Open() { Load_Pref(); }

void App::Close() { Save_Pref(); }

void App::OpenDocument(const fw::FolderItem& /*item*/) { Cadenzo().tempoglobal = 0.0; }

void App::Load_Pref()
{
    fw::FolderItemPtr item = PrefsFile();
    GlobalPrefs::winx = GlobalPrefs::kDefaultWinx;
    GlobalPrefs::winy = GlobalPrefs::kDefaultWiny;
    GlobalPrefs::boxx = GlobalPrefs::kDefaultBoxx;
    GlobalPrefs::boxy = GlobalPrefs::kDefaultBoxy;
    GlobalPrefs::tabactive = 0;
    GlobalPrefs::freq1 = 44100;
    GlobalPrefs::beats1 = 4;
    // SMPTEpopup keeps its value: it has no default of its own.
    g_keepUnreadFile = false;
    if (!item)
        return;
    std::unique_ptr<fw::BinaryStream> stream = item->OpenAsBinaryFile();
    if (!stream) {
        g_keepUnreadFile = item->Exists();
        return;
    }
    // A short file reads as 0 past its end; bytes past the 32nd are ignored.
    GlobalPrefs::winx = stream->ReadLong();
    GlobalPrefs::winy = stream->ReadLong();
    GlobalPrefs::boxx = stream->ReadLong();
    GlobalPrefs::boxy = stream->ReadLong();
    GlobalPrefs::tabactive = stream->ReadLong();
    GlobalPrefs::freq1 = stream->ReadLong();
    GlobalPrefs::beats1 = stream->ReadLong();
    GlobalPrefs::SMPTEpopup = stream->ReadLong();
    if (!(GlobalPrefs::freq1 > 0))
        GlobalPrefs::freq1 = 44100;
    if (!(GlobalPrefs::beats1 > 0))
        GlobalPrefs::beats1 = 4;
    stream->Close();
}

void App::Save_Pref()
{
    fw::FolderItemPtr item = PrefsFile();
    if (!item || g_keepUnreadFile)
        return;
    std::unique_ptr<fw::BinaryStream> stream = item->CreateBinaryFile("pref");
    if (!stream)
        return;
    stream->WriteLong(GlobalPrefs::winx);
    stream->WriteLong(GlobalPrefs::winy);
    stream->WriteLong(GlobalPrefs::boxx);
    stream->WriteLong(GlobalPrefs::boxy);
    stream->WriteLong(GlobalPrefs::tabactive);
    stream->WriteLong(GlobalPrefs::freq1);
    stream->WriteLong(GlobalPrefs::beats1);
    stream->WriteLong(GlobalPrefs::SMPTEpopup);
    stream->Close();
}
