#include "globalprefs.h"
#include "reentry.h"
#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

#include <string>

namespace {

// The three linked fields are tinted, and a black bracket joins them.
constexpr fw::Color kLinkedField = 0xE9ECF4;

ControlRow LinkedField(const char* name, int top, WindowHandler lostFocus, WindowHandler gotFocus,
                       WindowHandler textChange)
{
    ControlRow row = TabField(name, 5, {166, top, 48, 18});
    row.design.backColor = kLinkedField;
    row = Bind(std::move(row), "LostFocus", std::move(lostFocus));
    row = Bind(std::move(row), "GotFocus", std::move(gotFocus));
    return Bind(std::move(row), "TextChange", std::move(textChange));
}

// The bracket's bars and upright are black by class.
ControlRow Bar(const char* name, Box box)
{
    return {.name = name, .cls = ControlClass::Rectangle,
            .design = {.left = box.left, .top = box.top, .width = box.width, .height = box.height, .page = 5,
                       .parent = "TabPanel1"}};
}

// With one source field a run nests at most three deep: the run itself, the
// run its first write raises, and the one raised by that run's second write;
// after that every text written is already there. Deeper runs only come when
// two linked fields drive at once (the focused one and the one last typed
// into) and their rounded loop lengths disagree, which would rewrite loopl
// back and forth for ever. There a write is simply not followed; the runs
// above still finish every conversion they began, so the last texts written
// are one whole conversion.
constexpr int kSamplesMaxDepth = 3;

bool RateUsable(const fw::Window& w) { return 0 < w.Number("srate") && w.Number("srate") < 200000; }

bool BeatsUsable(const fw::Window& w) { return 0 < w.Number("beats") && w.Number("beats") < 200; }

// From the loop length as loopl shows it, rounded, not from the unrounded
// count that was written there.
std::string MillisecondsOfShownLength(const fw::Window& w)
{
    return fw::Format((w.Number("loopl") / w.Number("srate")) * 1000, "#######");
}

std::string TempoOfShownLength(const fw::Window& w)
{
    double bpm = 60 / ((w.Number("loopl") / w.Number("beats")) / w.Number("srate"));
    return TempoUsable(bpm) ? fw::Format(bpm, "###.00") : "";
}

// A rate or number of beats is never left empty, at 0 or below.
void FallBackWhenNotAboveZero(fw::EditField& field, const char* fallback)
{
    if (!(fw::Val(field.Text()) > 0))
        field.SetText(fallback);
}

} // namespace

// Tab "Samples": a loop's length in samples, in milliseconds and as a tempo,
// for a sample rate and a number of beats.
const std::vector<ControlRow>& SamplesRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText18", 5, {34, 207, 119, 17}, Strings::SAMPLERATE),
        Bind(Bind(TabField("srate", 5, {166, 205, 48, 18}), "LostFocus", On<&Cadenzo::srate_LostFocus>()),
             "TextChange", On<&Cadenzo::srate_TextChange>()),
        TabLabel("StaticText19", 5, {34, 232, 125, 17}, Strings::NUMBERBEATS),
        Bind(Bind(TabField("beats", 5, {166, 230, 48, 18}), "LostFocus", On<&Cadenzo::beats_LostFocus>()),
             "TextChange", On<&Cadenzo::beats_TextChange>()),
        TabSeparator("Separator5", 5, {30, 258, 192, 4}),
        TabLabel("StaticText21", 5, {34, 274, 120, 18}, Strings::LOOPLENGTH),
        LinkedField("loopl", 272, On<&Cadenzo::loopl_LostFocus>(), On<&Cadenzo::loopl_GotFocus>(),
                    On<&Cadenzo::loopl_TextChange>()),
        TabLabel("StaticText5", 5, {34, 298, 120, 18}, Strings::LOOPLENGTHMS),
        LinkedField("loopms", 296, On<&Cadenzo::loopms_LostFocus>(), On<&Cadenzo::loopms_GotFocus>(),
                    On<&Cadenzo::loopms_TextChange>()),
        TabLabel("StaticText20", 5, {34, 322, 120, 18}, "BPM :"),
        LinkedField("tempo5", 320, On<&Cadenzo::tempo5_LostFocus>(), On<&Cadenzo::tempo5_GotFocus>(),
                    On<&Cadenzo::tempo5_TextChange>()),
        // The bracket: three short bars and the upright joining them.
        Bar("Rectangle1", {157, 279, 10, 3}),
        Bar("Rectangle2", {157, 304, 10, 3}),
        Bar("Rectangle3", {157, 328, 10, 3}),
        Bar("Rectangle4", {157, 279, 3, 52}),
    };
    return rows;
}

void Cadenzo::srate_LostFocus() { FallBackWhenNotAboveZero(Field("srate"), "44100"); }

void Cadenzo::srate_TextChange() { samples(); }

void Cadenzo::beats_LostFocus() { FallBackWhenNotAboveZero(Field("beats"), "1"); }

void Cadenzo::beats_TextChange() { samples(); }

// The linked fields: 1 tempo5, 2 loopl, 3 loopms. Only the user's own
// editing of the focused field makes it the source; the texts samples()
// writes into the others leave the source as it was.

void Cadenzo::tempo5_GotFocus() { curseursample = 1; }

void Cadenzo::tempo5_LostFocus() { curseursample = 0; }

void Cadenzo::tempo5_TextChange()
{
    if (curseursample == 1)
        curseurentry = 1;
    samples();
}

void Cadenzo::loopl_GotFocus() { curseursample = 2; }

void Cadenzo::loopl_LostFocus() { curseursample = 0; }

void Cadenzo::loopl_TextChange()
{
    if (curseursample == 2)
        curseurentry = 2;
    samples();
}

void Cadenzo::loopms_GotFocus() { curseursample = 3; }

void Cadenzo::loopms_LostFocus() { curseursample = 0; }

void Cadenzo::loopms_TextChange()
{
    if (curseursample == 3)
        curseurentry = 3;
    samples();
}

// Every write below raises the field's TextChange and so runs samples()
// again inside it; every number is therefore read afresh where it is used,
// and each conversion checks its guard only when it begins.
void Cadenzo::samples()
{
    if (samplesdepth >= kSamplesMaxDepth)
        return;
    fw::Reentry nesting(samplesdepth);
    auto rate = [this] { return Number("srate"); };
    auto beats = [this] { return Number("beats"); };
    fw::EditField& tempo5 = Field("tempo5");
    fw::EditField& loopl = Field("loopl");
    fw::EditField& loopms = Field("loopms");

    if (curseursample == 1 || curseurentry == 1) {
        double length = 1 / (Number("tempo5") / ((rate() * beats()) * 60));
        if (RateUsable(*this) && BeatsUsable(*this) && 0 < length && TempoUsable(Number("tempo5"))) {
            loopl.SetText(fw::Format(length, "########"));
            loopms.SetText(MillisecondsOfShownLength(*this));
        } else {
            loopl.SetText("");
            loopms.SetText("");
        }
    }

    if (curseursample == 2 || curseurentry == 2) {
        if (RateUsable(*this) && BeatsUsable(*this) && 0 < Number("loopl")) {
            // A length whose tempo is out of range still gets its milliseconds.
            tempo5.SetText(TempoOfShownLength(*this));
            loopms.SetText(MillisecondsOfShownLength(*this));
        } else {
            tempo5.SetText("");
            loopms.SetText("");
        }
    }

    if (curseursample == 3 || curseurentry == 3) {
        double length = (Number("loopms") * rate()) / 1000;
        if (RateUsable(*this) && BeatsUsable(*this) && 0 < length) {
            loopl.SetText(fw::Format(length, "########"));
            tempo5.SetText(TempoOfShownLength(*this));
        } else {
            tempo5.SetText("");
            loopl.SetText("");
        }
    }

    tempoglobal = Number("tempo5");
    // Kept for the next start; a fraction is dropped and a huge value saturates.
    if (0 < rate())
        GlobalPrefs::freq1 = fw::ToInteger(rate());
    if (0 < beats())
        GlobalPrefs::beats1 = fw::ToInteger(beats());
}
