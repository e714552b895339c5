#include "control.h"

#include "clipboard.h"
#include "text.h"
#include "window.h"

#include <algorithm>
#include <utility>

namespace fw {

namespace {

// Events running now, nested ones included, and the controls whose changes
// wait for the outermost of them to end. One thread runs every event.
int g_runningEvents = 0;
std::vector<Control*> g_heldChanges;

// The code point that starts at byte i of a UTF-8 text, and its length in
// bytes; a byte that starts no whole sequence stands for itself.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view s, std::size_t i)
{
    const auto byte = [s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || lead >= 0xF8 || i + length > s.size())
        return {lead, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = i + 1; k < i + length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return {lead, 1};
        c = (c << 6) | (byte(k) & 0x3F);
    }
    return {c, length};
}

// Every line break another program may put in a text, not just \n and \r.
bool EndsLine(char32_t c) { return c == '\n' || c == '\r' || c == 0x85 || c == 0x2028 || c == 0x2029; }

// Unicode's white space: the no-break and typographic spaces look blank too.
bool IsWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

} // namespace

// ---- Control ----------------------------------------------------------------

Control::~Control()
{
    if (m_changeHeld)
        std::erase(g_heldChanges, this);
}

bool Control::Shown() const
{
    if (!m_visible)
        return false;
    const Control* parent = m_window && !m_parent.empty() ? m_window->ControlByName(m_parent) : nullptr;
    if (m_page > 0) {
        // The page belongs to the nearest tab panel among the ancestors.
        const Control* ancestor = parent;
        while (ancestor != nullptr && dynamic_cast<const TabPanel*>(ancestor) == nullptr)
            ancestor = ancestor->m_window->ControlByName(ancestor->m_parent);
        if (auto* panel = dynamic_cast<const TabPanel*>(ancestor); panel && panel->Value() + 1 != m_page)
            return false;
    }
    return parent == nullptr || parent->Shown();
}

void Control::_SetProperties(const DesignProperties& design)
{
    m_left = design.left;
    m_top = design.top;
    m_width = design.width;
    m_height = design.height;
    m_page = design.page;
    m_parent = design.parent;
    if (design.fontName)
        m_font.name = *design.fontName;
    if (design.fontSize)
        m_font.size = *design.fontSize;
    if (design.bold)
        m_font.bold = *design.bold;
    Changed();
}

void Control::_InstallInstanceEventHandler(const std::string& event, EventHandler handler)
{
    for (auto& [name, bound] : m_handlers) {
        if (name == event) {
            bound = std::move(handler);
            return;
        }
    }
    m_handlers.emplace_back(event, std::move(handler));
}

// ---- RunningEvent -----------------------------------------------------------

RunningEvent::RunningEvent(Window* window) : m_hold(Window::Hold(window)) { ++g_runningEvents; }

RunningEvent::~RunningEvent()
{
    if (--g_runningEvents > 0)
        return;
    // One at a time: telling a view may run events that hold changes anew,
    // or free a control that is still waiting. The window is let go after.
    while (!g_heldChanges.empty()) {
        Control* control = g_heldChanges.front();
        g_heldChanges.erase(g_heldChanges.begin());
        control->m_changeHeld = false;
        control->Changed();
    }
}

bool Control::Raise(const std::string& event, const EventArgs& args)
{
    for (const auto& [name, handler] : m_handlers) {
        if (name == event) {
            // Declared first, so the window goes only after the copy of the handler.
            RunningEvent running(m_window);
            // A copy, so a handler that rebinds cannot pull the rug from under itself.
            EventHandler run = handler;
            return run(args);
        }
    }
    return false;
}

void Control::_AddMenuHandler(const std::string& itemName, MenuHandler handler)
{
    m_menuHandlers.Add(itemName, std::move(handler));
}

bool Control::HasFocus() const { return m_window && m_window->Focus() == this; }

void Control::SetFocus()
{
    if (m_window)
        m_window->MoveFocusTo(this);
}

void Control::MouseDown(int x, int y)
{
    EventArgs args;
    args.x = x;
    args.y = y;
    Raise("MouseDown", args);
}

void Control::Changed()
{
    if (m_observer)
        m_observer->ControlChanged(*this);
}

void Control::ChangedOncePerEvent()
{
    if (g_runningEvents == 0) {
        Changed();
    } else if (!m_changeHeld) {
        m_changeHeld = true;
        g_heldChanges.push_back(this);
    }
}

// ---- StaticText -------------------------------------------------------------

void StaticText::_SetProperties(const DesignProperties& design)
{
    if (design.text)
        m_text = *design.text;
    if (design.textColor)
        m_textColor = *design.textColor;
    if (design.align)
        m_align = *design.align == Align::Default ? Align::Left : *design.align;
    if (design.multiLine)
        m_multiLine = *design.multiLine;
    Control::_SetProperties(design);
}

void StaticText::SetText(const std::string& text)
{
    if (text == m_text)
        return;
    m_text = text;
    Changed();
}

void StaticText::SetTextColor(Color color)
{
    if (color == m_textColor)
        return;
    m_textColor = color;
    Changed();
}

void StaticText::SetBold(bool bold)
{
    if (bold == TextFont().bold)
        return;
    SetFontBold(bold);
    Changed();
}

// ---- EditField --------------------------------------------------------------

void EditField::_SetProperties(const DesignProperties& design)
{
    // Design values raise no event: the text is set before any handler is bound.
    if (design.text) {
        m_text = *design.text;
        m_selStart = Len(m_text);
        m_selLength = 0;
    }
    if (design.align)
        m_align = *design.align == Align::Default ? Align::Right : *design.align;
    if (design.border)
        m_border = *design.border;
    if (design.backColor)
        m_backColor = *design.backColor;
    if (design.textColor)
        m_textColor = *design.textColor;
    Control::_SetProperties(design);
}

void EditField::SetText(const std::string& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_selStart = Len(m_text);
    m_selLength = 0;
    Changed();
    Raise("TextChange");
}

void EditField::SetSelStart(int start)
{
    m_selStart = std::clamp(start, 0, Len(m_text));
    m_selLength = std::clamp(m_selLength, 0, Len(m_text) - m_selStart);
    Changed();
}

void EditField::SetSelLength(int length)
{
    m_selLength = std::clamp(length, 0, Len(m_text) - m_selStart);
    Changed();
}

void EditField::SelectAll()
{
    SetSelStart(0);
    SetSelLength(Len(m_text));
    // The user's selection, as one made with the mouse would be.
    if (m_selLength > 0)
        Clipboard::SetSelection(m_text);
}

std::string EditField::SelText() const
{
    std::size_t from = ByteOffsetOfChar(m_text, m_selStart);
    std::size_t to = ByteOffsetOfChar(m_text, m_selStart + m_selLength);
    return m_text.substr(from, to - from);
}

void EditField::ReplaceSelection(const std::string& text)
{
    std::size_t from = ByteOffsetOfChar(m_text, m_selStart);
    std::size_t to = ByteOffsetOfChar(m_text, m_selStart + m_selLength);
    std::string edited = m_text.substr(0, from) + text + m_text.substr(to);
    int caret = m_selStart + Len(text);
    if (edited == m_text) {
        m_selStart = caret;
        m_selLength = 0;
        Changed();
        return;
    }
    m_text = std::move(edited);
    m_selStart = caret;
    m_selLength = 0;
    Changed();
    Raise("TextChange");
}

void EditField::Backspace()
{
    if (m_selLength == 0) {
        if (m_selStart == 0)
            return;
        --m_selStart;
        m_selLength = 1;
    }
    ReplaceSelection("");
}

void EditField::Cut()
{
    if (m_selLength == 0)
        return;
    Copy();
    ReplaceSelection("");
}

void EditField::Copy() const
{
    if (m_selLength > 0)
        Clipboard::SetText(SelText());
}

void EditField::Paste() { Paste(Clipboard::Text()); }

std::string_view EditField::PastedLine(std::string_view text)
{
    // A one-line field takes one line of what was copied: the first that
    // holds something, so that a text copied with a blank line above it
    // does not erase the selection.
    std::size_t start = 0;
    bool filled = false;
    for (std::size_t i = 0; i < text.size();) {
        auto [c, length] = CodePointAt(text, i);
        if (EndsLine(c)) {
            if (filled)
                return text.substr(start, i - start);
            start = i + length;
        } else if (!IsWhiteSpace(c)) {
            filled = true;
        }
        i += length;
    }
    return filled ? text.substr(start) : std::string_view();
}

void EditField::Paste(std::string_view text)
{
    if (std::string_view line = PastedLine(text); !line.empty())
        ReplaceSelection(std::string(line));
}

void EditField::Clear()
{
    if (m_selLength > 0)
        ReplaceSelection("");
}

void EditField::MouseDown(int x, int y)
{
    auto hold = Window::Hold(Owner());
    SetFocus();
    Control::MouseDown(x, y);
}

// ---- GroupBox, Canvas, Rectangle --------------------------------------------

void GroupBox::_SetProperties(const DesignProperties& design)
{
    if (design.text)
        m_caption = *design.text;
    Control::_SetProperties(design);
}

void Canvas::SetBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    Changed();
}

void Rectangle::_SetProperties(const DesignProperties& design)
{
    if (design.fillColor)
        m_fillColor = *design.fillColor;
    if (design.borderWidth)
        m_borderWidth = *design.borderWidth;
    if (design.borderColor)
        m_borderColor = *design.borderColor;
    Control::_SetProperties(design);
}

// ---- PopupMenu --------------------------------------------------------------

void PopupMenu::_SetProperties(const DesignProperties& design)
{
    if (!design.items.empty())
        m_items = design.items;
    if (design.listIndex && *design.listIndex >= 0
        && *design.listIndex < static_cast<int>(m_items.size()))
        m_listIndex = *design.listIndex;
    Control::_SetProperties(design);
}

void PopupMenu::SetListIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(m_items.size()) || index == m_listIndex)
        return;
    m_listIndex = index;
    Changed();
    Raise("Change");
}

// ---- RadioButton, BevelButton, PushButton -----------------------------------

void RadioButton::_SetProperties(const DesignProperties& design)
{
    if (design.text)
        m_caption = *design.text;
    Control::_SetProperties(design);
    if (design.value)
        SetValue(*design.value);
}

void RadioButton::SetValue(bool value)
{
    if (value && Owner()) {
        for (Control* other : Owner()->Controls()) {
            auto* radio = dynamic_cast<RadioButton*>(other);
            if (radio && radio != this && radio->InitialParent() == InitialParent()
                && radio->TabPanelIndex() == TabPanelIndex() && radio->m_value) {
                radio->m_value = false;
                radio->Changed();
            }
        }
    }
    if (m_value == value)
        return;
    m_value = value;
    Changed();
}

void RadioButton::MouseDown(int /*x*/, int /*y*/)
{
    SetValue(true);
    Raise("Action");
}

void BevelButton::_SetProperties(const DesignProperties& design)
{
    if (design.text)
        m_caption = *design.text;
    Control::_SetProperties(design);
}

void BevelButton::MouseDown(int /*x*/, int /*y*/) { Raise("Action"); }

void PushButton::_SetProperties(const DesignProperties& design)
{
    if (design.text)
        m_caption = *design.text;
    if (design.isDefault)
        m_default = *design.isDefault;
    Control::_SetProperties(design);
}

void PushButton::SetCaption(const std::string& caption)
{
    m_caption = caption;
    Changed();
}

void PushButton::MouseDown(int x, int y)
{
    m_pressed = true;
    Control::MouseDown(x, y);
}

void PushButton::MouseUp(int x, int y)
{
    if (std::exchange(m_pressed, false) && x >= 0 && y >= 0 && x < Width() && y < Height())
        Raise("Action");
}

// ---- TabPanel ---------------------------------------------------------------

void TabPanel::_SetProperties(const DesignProperties& design)
{
    if (!design.items.empty())
        m_tabs = design.items;
    Control::_SetProperties(design);
}

void TabPanel::SetValue(int value)
{
    if (value < 0 || value >= static_cast<int>(m_tabs.size()) || value == m_value)
        return;
    auto hold = Window::Hold(Owner());
    m_value = value;
    Changed();
    if (Owner())
        Owner()->PageChanged();
    Raise("Change");
}

// ---- Listbox ----------------------------------------------------------------

void Listbox::_SetProperties(const DesignProperties& design)
{
    if (design.columnCount) {
        m_columnCount = std::max(1, *design.columnCount);
        ++m_rowsRevision;
    }
    Control::_SetProperties(design);
}

bool Listbox::ValidCell(int row, int column) const
{
    return row >= 0 && row < ListCount() && column >= 0 && column < m_columnCount;
}

void Listbox::RowsChanged()
{
    ++m_rowsRevision;
    ChangedOncePerEvent();
}

void Listbox::DeleteAllRows()
{
    m_rows.clear();
    m_selectedRow = -1;
    m_scrollPosition = 0;
    RowsChanged();
}

void Listbox::AddRow(const std::string& text)
{
    Row row;
    row.cells.assign(static_cast<std::size_t>(m_columnCount), std::string());
    row.bold.assign(static_cast<std::size_t>(m_columnCount), false);
    row.cells[0] = text;
    m_rows.push_back(std::move(row));
    RowsChanged();
}

std::string Listbox::Cell(int row, int column) const
{
    return ValidCell(row, column) ? m_rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)]
                                  : std::string();
}

void Listbox::SetCell(int row, int column, const std::string& text)
{
    if (!ValidCell(row, column))
        return;
    m_rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = text;
    RowsChanged();
}

bool Listbox::CellBold(int row, int column) const
{
    return ValidCell(row, column) && m_rows[static_cast<std::size_t>(row)].bold[static_cast<std::size_t>(column)];
}

void Listbox::SetCellBold(int row, int column, bool bold)
{
    if (!ValidCell(row, column))
        return;
    m_rows[static_cast<std::size_t>(row)].bold[static_cast<std::size_t>(column)] = bold;
    ChangedOncePerEvent();
}

void Listbox::SetSelected(int row, bool selected)
{
    if (row < 0 || row >= ListCount())
        return;
    if (selected)
        m_selectedRow = row;
    else if (m_selectedRow == row)
        m_selectedRow = -1;
    ChangedOncePerEvent();
}

void Listbox::SetScrollPosition(int row)
{
    m_scrollPosition = std::clamp(row, 0, std::max(0, ListCount() - 1));
    ChangedOncePerEvent();
}

Graphics Listbox::PaintCellBackground(int row, int column, int width, int height)
{
    Graphics g(width, height);
    EventArgs args;
    args.graphics = &g;
    args.row = row;
    args.column = column;
    Raise("CellBackgroundPaint", args);
    return g;
}

void Listbox::ClickCell(int row, int column, int x, int y)
{
    auto hold = Window::Hold(Owner());
    SetFocus();
    EventArgs args;
    args.row = row;
    args.column = column;
    args.x = x;
    args.y = y;
    if (!Raise("CellClick", args))
        SetSelected(row, true);
}

} // namespace fw
