#include "uistrings.h"

#include "localization.h"
#include "nil.h"

#include <array>

namespace Strings {

namespace {

struct Constant {
    const char* key;
    const char* english;
    bool lookedUp = false;
    std::string kept{};
};

enum Id {
    kOriginalTempo, kNewTempo, kSemiToTranspose, kSampleRate, kNumberBeats, kLoopLength,
    kHelp1, kHelp2, kHelp3, kHelp4, kHelp5, kAbout, kFile, kQuit, kEdit, kCut, kCopy, kPaste,
    kDelete, kCredits1, kCredits2, kSelectAll, kClose, kLoopLengthMs, kDiapasonHz, kHelp6,
    kHelp7, kTapCopyGlobal, kAboutBut, kCount
};

using Table = std::array<Constant, kCount>;

Table MakeTable()
{
    return {{
        {"Strings.ORIGINALTEMPO", "Original Tempo (BPM) :"},
        {"Strings.NEWTEMPO", "New Tempo (BPM) :"},
        {"Strings.SEMITOTRANSPOSE", "Semi To Transpose :"},
        {"Strings.SAMPLERATE", "Sample Rate (Hz) :"},
        {"Strings.NUMBERBEATS", "Number Of Beats In Loop :"},
        {"Strings.LOOPLENGTH", "Loop Length In Samples :"},
        {"Strings.HELP1", "Enter the original tempo of your sample, and the new tempo you want. "
                          "You will get the time stretching to apply, or the number of semi-tones "
                          "you need to transpose."},
        {"Strings.HELP2", "Enter the semi-tone you have to transpose, and you will get the time "
                          "stretching to use for keeping the same length before transposing your "
                          "sample."},
        {"Strings.HELP3", "Enter the tempo of your song in BPM to get the delay in ms or the "
                          "frequency to use with LFO or other hertz paramters to synchronise with "
                          "your song. You can directly enter a number into the cells to obtain the "
                          "tempo."},
        {"Strings.HELP4", "Tap the pad button or the space bar to get the tempo of your rhythm."},
        {"Strings.HELP5", "Enter the sample length in samples, milliseconds, or BPM to convert the "
                          "value to another calculated from the frequency (hertz) and the number "
                          "of beats."},
        {"Strings.ABOUT", "About Cadenzo..."},
        {"Strings.FILE", "File"},
        {"Strings.QUIT", "Quit"},
        {"Strings.EDIT", "Edit"},
        {"Strings.CUT", "Cut"},
        {"Strings.COPY", "Copy"},
        {"Strings.PASTE", "Paste"},
        {"Strings.DELETE", "Delete"},
        {"Strings.CREDITS1", "Cadenzo, the musician's calculator, by the Cadenzo developers"},
        {"Strings.CREDITS2", "Version 1.0 - Free to use, with no warranty"},
        {"Strings.SELECTALL", "Select all"},
        {"Strings.CLOSE", "Close"},
        {"Strings.LOOPLENGTHMS", "Loop Length In Ms :"},
        {"Strings.DIAPASONHZ", "Diapason (Hz) :"},
        {"Strings.HELP6", "Enter the diapason (default A3=440 Hz) to obtain notes frequancies. To "
                          "show the reference note, click on any cell."},
        {"Strings.HELP7", "You can add or substract two SMPTE codes, or convert one code like 90m "
                          "24s 20f to obtain 1h 30m 24s 20f"},
        {"Strings.TAPCOPYGLOBAL", "Copy to global tempo"},
        {"Strings.ABOUTBUT", "About"},
    }};
}

Table& Constants()
{
    static Table table = MakeTable();
    return table;
}

std::string Get(Id id)
{
    Constant& constant = Constants()[id];
    if (constant.lookedUp)
        return constant.kept;
    // Marked first: a failed lookup is not tried again this run.
    constant.lookedUp = true;
    fw::SystemObject& system = fw::Deref(fw::System(), "no system object");
    constant.kept = system._GetLocalizedString(constant.key, constant.english);
    return constant.kept;
}

} // namespace

std::string ORIGINALTEMPO() { return Get(kOriginalTempo); }
std::string NEWTEMPO() { return Get(kNewTempo); }
std::string SEMITOTRANSPOSE() { return Get(kSemiToTranspose); }
std::string SAMPLERATE() { return Get(kSampleRate); }
std::string NUMBERBEATS() { return Get(kNumberBeats); }
std::string LOOPLENGTH() { return Get(kLoopLength); }
std::string HELP1() { return Get(kHelp1); }
std::string HELP2() { return Get(kHelp2); }
std::string HELP3() { return Get(kHelp3); }
std::string HELP4() { return Get(kHelp4); }
std::string HELP5() { return Get(kHelp5); }
std::string ABOUT() { return Get(kAbout); }
std::string FILE() { return Get(kFile); }
std::string QUIT() { return Get(kQuit); }
std::string EDIT() { return Get(kEdit); }
std::string CUT() { return Get(kCut); }
std::string COPY() { return Get(kCopy); }
std::string PASTE() { return Get(kPaste); }
std::string DELETE() { return Get(kDelete); }
std::string CREDITS1() { return Get(kCredits1); }
std::string CREDITS2() { return Get(kCredits2); }
std::string SELECTALL() { return Get(kSelectAll); }
std::string CLOSE() { return Get(kClose); }
std::string LOOPLENGTHMS() { return Get(kLoopLengthMs); }
std::string DIAPASONHZ() { return Get(kDiapasonHz); }
std::string HELP6() { return Get(kHelp6); }
std::string HELP7() { return Get(kHelp7); }
std::string TAPCOPYGLOBAL() { return Get(kTapCopyGlobal); }
std::string ABOUTBUT() { return Get(kAboutBut); }

void ForgetLookups() { Constants() = MakeTable(); }

} // namespace Strings
