#include "pictures.h"
#include "tabrows.h"
#include "tempo.h"
#include "text.h"

#include <array>

namespace {

// The cell numbered n is the control noteN: rows whole to thirty-second note,
// columns plain, dotted, triplet, so n = 3 × (row − 1) + column.
constexpr std::array<const char*, 18> kCells = {
    "note1",  "note2",  "note3",  "note4",  "note5",  "note6",  "note7",  "note8",  "note9",
    "note10", "note11", "note12", "note13", "note14", "note15", "note16", "note17", "note18",
};

// Milliseconds times beats per minute: the plain note of a row lasts K / T ms.
constexpr std::array<double, 6> kRowConstant = {240000, 120000, 60000, 30000, 15000, 7500};

enum class Column { Plain, Dotted, Triplet };

const char* CellName(int n) { return kCells[static_cast<std::size_t>(n - 1)]; }
double RowConstant(int n) { return kRowConstant[static_cast<std::size_t>((n - 1) / 3)]; }
Column ColumnOf(int n) { return static_cast<Column>((n - 1) % 3); }

// The tempo at which cell n reads x. A dotted note lasts 6/4 of the plain one,
// a triplet 8/12; the operations run in this order, down to the last digit.
double TempoFromCell(int n, double x, bool milliseconds)
{
    const double k = RowConstant(n);
    double tempo = 0;
    switch (ColumnOf(n)) {
    case Column::Plain:
        tempo = milliseconds ? k / x : (x * k) / 1000;
        break;
    case Column::Dotted:
        tempo = milliseconds ? k / ((x * 4) / 6) : (((x * k) * 6) / 4) / 1000;
        break;
    case Column::Triplet:
        tempo = milliseconds ? k / ((x * 12) / 8) : (((x * k) * 8) / 12) / 1000;
        break;
    }
    return tempo;
}

// What cell n reads at a usable tempo: a length in milliseconds, or its frequency.
double CellAtTempo(int n, double tempo, bool milliseconds)
{
    const double k = RowConstant(n);
    double length = 0;
    switch (ColumnOf(n)) {
    case Column::Plain:
        length = k / tempo;
        break;
    case Column::Dotted:
        length = ((k / tempo) * 6) / 4;
        break;
    case Column::Triplet:
        length = ((k / tempo) * 8) / 12;
        break;
    }
    return milliseconds ? length : (1 / length) * 1000;
}

// Rows of the note grid are shaded alternately, the whole note light.
constexpr fw::Color kLightRow = 0xE9ECF4;
constexpr fw::Color kDarkRow = 0xDCE4F9;

// Cell n of the note grid: its row gives its top and shade, its column its left.
ControlRow Cell(int n, int left, int top, fw::Color shade)
{
    ControlRow row = TabField(CellName(n), 3, {left, top, 45, 14});
    row.design.fontSize = 9;
    row.design.backColor = shade;
    row.design.border = false;
    row = Bind(std::move(row), "TextChange", On<&Cadenzo::noteN_TextChange>(n));
    return Bind(std::move(row), "GotFocus", On<&Cadenzo::noteN_GotFocus>(n));
}

// The unit buttons: radio buttons in small type, "geneva" 9.
ControlRow Unit(const char* name, Box box, const char* caption, bool chosen)
{
    ControlRow row = TabLabel(name, 3, box, caption);
    row.cls = ControlClass::RadioButton;
    row.design.fontName = "geneva";
    row.design.fontSize = 9;
    row.design.value = chosen;
    return row;
}

} // namespace

// Tab "Delay": a tempo in; 18 note lengths out, in milliseconds or hertz,
// and back from any one of them.
const std::vector<ControlRow>& DelayRows()
{
    static const std::vector<ControlRow> rows = {
        [] {
            ControlRow row = Bind(TabField("tempo3", 3, {166, 205, 48, 18}), "TextChange",
                                  On<&Cadenzo::tempo3_TextChange>());
            row = Bind(std::move(row), "GotFocus", On<&Cadenzo::tempo3_GotFocus>());
            return Bind(std::move(row), "LostFocus", On<&Cadenzo::tempo3_LostFocus>());
        }(),
        TabLabel("StaticText11", 3, {34, 207, 74, 17}, "Tempo (BPM) :"),
        Bind(Unit("buttonms", {34, 227, 39, 14}, "ms", true), "Action", On<&Cadenzo::buttonms_Action>()),
        Bind(Unit("buttonhz", {76, 227, 45, 14}, "hertz", false), "Action", On<&Cadenzo::buttonhz_Action>()),
        // Created before the cells, so they lie over the picture that labels them.
        {.name = "Canvas4", .cls = ControlClass::Canvas,
         .design = {.left = 32, .top = 247, .width = 193, .height = 105, .page = 3, .parent = "TabPanel1"},
         .picture = Notes},
        Cell(1, 50, 250, kLightRow),  Cell(2, 113, 250, kLightRow),  Cell(3, 177, 250, kLightRow),
        Cell(4, 50, 268, kDarkRow),   Cell(5, 113, 268, kDarkRow),   Cell(6, 177, 268, kDarkRow),
        Cell(7, 50, 285, kLightRow),  Cell(8, 113, 285, kLightRow),  Cell(9, 177, 285, kLightRow),
        Cell(10, 50, 303, kDarkRow),  Cell(11, 113, 303, kDarkRow),  Cell(12, 177, 303, kDarkRow),
        Cell(13, 50, 320, kLightRow), Cell(14, 113, 320, kLightRow), Cell(15, 177, 320, kLightRow),
        Cell(16, 50, 337, kDarkRow),  Cell(17, 113, 337, kDarkRow),  Cell(18, 177, 337, kDarkRow),
    };
    return rows;
}

void Cadenzo::tempo3_TextChange() { delay(0); }

void Cadenzo::tempo3_GotFocus() { curseurdelay = 0; }

// Not 0: once tempo3 has given up the focus, its changes no longer drive the cells.
void Cadenzo::tempo3_LostFocus() { curseurdelay = 1; }

// note1_TextChange … note18_TextChange
void Cadenzo::noteN_TextChange(std::int32_t n) { delay(n); }

// note1_GotFocus … note18_GotFocus
void Cadenzo::noteN_GotFocus(std::int32_t n) { curseurdelay = n; }

// The cells follow tempo3 in the new unit; the focus goes back to it, ready
// to be typed over.
void Cadenzo::buttonms_Action()
{
    fw::EditField& tempo3 = Field("tempo3");
    tempo3.SetFocus();
    tempo3.SelectAll();
    delay(100);
}

void Cadenzo::buttonhz_Action() { buttonms_Action(); }

// Every write below raises the field's TextChange and so a nested run; the
// guards on curseurdelay leave each nested run only its last step.
void Cadenzo::delay(std::int32_t what)
{
    auto tempo = [this] { return Number("tempo3"); };
    auto milliseconds = [this] { return fw::ControlAs<fw::RadioButton>(*this, "buttonms").Value(); };

    // The tempo from the cell in charge.
    if (what != 0 && curseurdelay != 0 && (what == curseurdelay || what == 100)) {
        const bool ms = milliseconds();
        const std::int32_t n = curseurdelay;
        const double t = TempoFromCell(n, Number(CellName(n)), ms);
        Field("tempo3").SetText(TempoUsable(t) ? fw::Format(t, "####.00") : "");
    }

    // The cells from the tempo shown, so from its two decimals; the cell in
    // charge keeps what the user typed.
    if (curseurdelay == what || what == 100) {
        const bool ms = milliseconds();
        const bool usable = TempoUsable(tempo());
        for (std::int32_t n = 1; n <= 18; ++n) {
            if (n == curseurdelay)
                continue;
            Field(CellName(n))
                .SetText(usable ? fw::Format(CellAtTempo(n, tempo(), ms), "####.00") : "");
        }
    }

    tempoglobal = tempo();
    curseurentry = 1;
}
