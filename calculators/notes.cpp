#include "tabrows.h"
#include "tempo.h"
#include "text.h"
#include "uistrings.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::int32_t kNoteCount = 128;
constexpr std::int32_t kReferenceRow = 69; // A 3, the note the diapason names
constexpr std::int32_t kFirstRowShown = 65; // puts the reference fifth from the top
constexpr std::int32_t kDefaultReference = 440;
constexpr double kLargestReference = 10000;
constexpr fw::Color kEvenRow = fw::RGB(255, 255, 255);
constexpr fw::Color kOddRow = fw::RGB(217, 228, 250);

// The list has no heading row: these captions stand above its columns.
ControlRow Caption(const char* name, int left, const char* text)
{
    ControlRow row = TabLabel(name, 6, {left, 230, 25, 13}, text);
    row.design.fontName = "System";
    return row;
}

} // namespace

// Tab "Notes": the frequencies of the 128 notes for a reference pitch.
const std::vector<ControlRow>& NotesRows()
{
    static const std::vector<ControlRow> rows = {
        TabLabel("StaticText7", 6, {34, 207, 119, 17}, Strings::DIAPASONHZ),
        [] {
            ControlRow row = Bind(TabField("diapason", 6, {166, 205, 48, 18}, "440"), "LostFocus",
                                  On<&Cadenzo::diapason_LostFocus>());
            return Bind(std::move(row), "TextChange", On<&Cadenzo::diapason_TextChange>());
        }(),
        Caption("StaticText9", 42, "Midi"),
        Caption("StaticText10", 101, "Hz"),
        Caption("StaticText12", 159, "Note"),
        [] {
            ControlRow row{.name = "noteshz", .cls = ControlClass::Listbox,
                           .design = {.left = 27, .top = 243, .width = 193, .height = 110, .page = 6,
                                      .parent = "TabPanel1", .fontSize = 10, .columnCount = 3}};
            row = Bind(std::move(row), "CellClick", On<&Cadenzo::noteshz_CellClick>());
            row = Bind(std::move(row), "Open", On<&Cadenzo::noteshz_Open>());
            row = Bind(std::move(row), "CellBackgroundPaint", On<&Cadenzo::noteshz_CellBackgroundPaint>());
            return Bind(std::move(row), "KeyDown", On<&Cadenzo::noteshz_KeyDown>());
        }(),
    };
    return rows;
}

void Cadenzo::noteshz_Open() { notes(); }

void Cadenzo::diapason_TextChange() { notes(); }

// A field left without a pitch shows the one the list falls back to; a pitch
// above the largest stays as typed.
void Cadenzo::diapason_LostFocus()
{
    fw::EditField& diapason = Field("diapason");
    if (!(fw::Val(diapason.Text()) > 0))
        diapason.SetText("440");
}

// The user cannot choose a row: a click only brings the reference back in view.
bool Cadenzo::noteshz_CellClick(int /*row*/, int /*column*/, int /*x*/, int /*y*/)
{
    fw::ControlAs<fw::Listbox>(*this, "noteshz").SetScrollPosition(kFirstRowShown);
    return true;
}

bool Cadenzo::noteshz_KeyDown(const std::string& /*key*/) { return true; }

// By row number, not place on screen; the framework still draws the selection.
bool Cadenzo::noteshz_CellBackgroundPaint(fw::Graphics& g, int row, int /*column*/)
{
    g.SetForeColor(row % 2 == 0 ? kEvenRow : kOddRow);
    g.FillRect(0, 0, g.Width(), g.Height());
    return false;
}

void Cadenzo::notes()
{
    const std::array<const char*, 12> names = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

    // Each condition reads the field afresh; so does the value used.
    auto value = [this] { return fw::Val(Field("diapason").Text()); };
    // Written so that "NAN" too is unusable.
    const bool unusable = !(0 < value() && value() <= kLargestReference);
    // A fraction is dropped: "442.7" is 442, "0.5" is 0.
    const std::int32_t reference = unusable ? kDefaultReference : fw::ToInteger(value());

    auto& list = fw::ControlAs<fw::Listbox>(*this, "noteshz");
    list.DeleteAllRows();
    for (std::int32_t i = 0; i < kNoteCount; ++i) {
        list.AddRow("   " + fw::Str(i));
        // The eight-decimal semitone puts the A's below the reference just
        // above a whole number, so they round up one hertz (57 shows 221).
        const std::int32_t hz = fw::ToInteger(
            fw::Ceil(static_cast<double>(reference) * fw::Pow(kSemitone, static_cast<double>(i - kReferenceRow))));
        list.SetCell(i, 1, "    " + fw::Str(hz));
        const std::int32_t octave = fw::ToInteger(fw::Ceil((i + 1) / 12.0) - 3);
        list.SetCell(i, 2, "    " + std::string(names[static_cast<std::size_t>(i % 12)]) + " " + fw::Str(octave));
    }
    list.SetScrollPosition(kFirstRowShown);
    for (int column = 0; column < 3; ++column)
        list.SetCellBold(kReferenceRow, column, true);
    list.SetSelected(kReferenceRow, true);
}
