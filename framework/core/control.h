#pragma once

// Controls: the framework's classes, their properties and their named events.
//
// Event rules the program relies on:
// - An event runs the handler bound to it on this control instance (Bind);
//   an unbound event does nothing.
// - Setting an edit field's text from code raises TextChange before the
//   setter returns, and only when the text differs.
// - When the focus moves, LostFocus of the field losing it comes before
//   GotFocus of the field gaining it; SetFocus raises both before it returns.
// - A control hidden by a page change loses the focus (raising LostFocus).
// - SetFocus on a control that takes no focus (a label, a button) does nothing.
// - While an event runs, its window stays whole, even when the handler
//   closes it (RunningEvent).
// Every change of a property tells the control's observer (the view); a
// list's changes made while an event runs are told once, when the outermost
// event ends, so a rebuild of many rows reaches the view as one change.

#include "graphics.h"
#include "menu.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Window;

// What an event carries; each event uses its own fields.
struct EventArgs {
    int x = 0;
    int y = 0;
    int row = 0;
    int column = 0;
    std::string key;
    Graphics* graphics = nullptr;
};

// Returns True to mark the event as handled (a consumed click or key).
using EventHandler = std::function<bool(const EventArgs&)>;

// Program code the runtime runs for a window: an event of the window or of
// one of its controls, a menu handler. While it runs the window is held, so
// the code may close it and carry on, and a list's changes wait for the
// outermost one to end.
class RunningEvent {
public:
    // `window` may be nullptr: a control not yet in a window.
    explicit RunningEvent(Window* window);
    ~RunningEvent();
    RunningEvent(const RunningEvent&) = delete;
    RunningEvent& operator=(const RunningEvent&) = delete;

private:
    std::shared_ptr<Window> m_hold;
};

enum class Align { Default, Left, Center, Right };

// Design values of one control; a value left empty keeps the class default.
// Every member has an initialiser, so rows may name only the values they set.
struct DesignProperties {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int page = 0;                           // TabPanelIndex: 0 on the window, N on page N
    std::string parent{};                   // InitialParent, empty for none
    std::optional<std::string> text{};      // text or caption
    std::optional<std::string> fontName{};
    std::optional<int> fontSize{};          // 0: the platform's default size
    std::optional<bool> bold{};
    std::optional<Align> align{};
    std::optional<Color> textColor{};
    std::optional<Color> backColor{};
    std::optional<bool> multiLine{};
    std::optional<bool> border{};
    std::optional<bool> value{};            // radio button
    std::vector<std::string> items{};       // pop-up items, tab captions
    std::optional<int> listIndex{};         // pop-up menu
    std::optional<int> columnCount{};       // list box
    std::optional<Color> fillColor{};       // rectangle
    std::optional<int> borderWidth{};       // rectangle
    std::optional<Color> borderColor{};     // rectangle: TopLeft and BottomRight
    std::optional<bool> isDefault{};        // push button
};

struct Font {
    std::string name = "System";
    int size = 0;
    bool bold = false;
};

class Control;

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control) = 0;
};

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual const char* ClassName() const = 0;

    const std::string& Name() const { return m_name; }
    Window* Owner() const { return m_window; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int TabPanelIndex() const { return m_page; }
    const std::string& InitialParent() const { return m_parent; }
    const Font& TextFont() const { return m_font; }
    bool Visible() const { return m_visible; }
    // Whether a user sees it: visible, on the selected page, parent shown.
    bool Shown() const;
    virtual bool AcceptsFocus() const { return false; }

    // Applies design values; the class defaults stand for what is left empty.
    virtual void _SetProperties(const DesignProperties& design);

    // Binds the handler of an event of this instance (one per event).
    void _InstallInstanceEventHandler(const std::string& event, EventHandler handler);
    // Runs the handler bound to the event; False when none is bound.
    bool Raise(const std::string& event, const EventArgs& args = {});

    // Menu handlers that run while this control has the focus.
    void _AddMenuHandler(const std::string& itemName, MenuHandler handler);
    const MenuHandler* MenuHandlerFor(const std::string& itemName) const { return m_menuHandlers.For(itemName); }
    // Raised on the focused control when the menus are brought up to date.
    virtual void EnableMenuItems() {}

    bool HasFocus() const;
    void SetFocus();

    // Pointer input, as the user gives it.
    virtual void MouseDown(int x, int y);
    void MouseEnter() { Raise("MouseEnter"); }
    void MouseExit() { Raise("MouseExit"); }

    void SetObserver(ControlObserver* observer) { m_observer = observer; }

protected:
    void Changed();
    // For changes that come in bursts: inside an event they are held and told
    // once, when the outermost event ends; outside one, at once.
    void ChangedOncePerEvent();
    void SetFontBold(bool bold) { m_font.bold = bold; }

private:
    friend class Window;
    friend class RunningEvent;

    std::string m_name;
    Window* m_window = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    int m_page = 0;
    std::string m_parent;
    Font m_font;
    bool m_visible = true;
    bool m_changeHeld = false;
    ControlObserver* m_observer = nullptr;
    std::vector<std::pair<std::string, EventHandler>> m_handlers;
    MenuHandlers m_menuHandlers;
};

class StaticText : public Control {
public:
    const char* ClassName() const override { return "StaticText"; }
    void _SetProperties(const DesignProperties& design) override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);
    Color TextColor() const { return m_textColor; }
    void SetTextColor(Color color);
    bool Bold() const { return TextFont().bold; }
    void SetBold(bool bold);
    Align TextAlign() const { return m_align; }
    bool MultiLine() const { return m_multiLine; }

private:
    std::string m_text;
    Color m_textColor = 0x000000;
    Align m_align = Align::Left;
    bool m_multiLine = false;
};

class EditField : public Control {
public:
    const char* ClassName() const override { return "EditField"; }
    void _SetProperties(const DesignProperties& design) override;
    bool AcceptsFocus() const override { return true; }

    const std::string& Text() const { return m_text; }
    // Raises TextChange when the text differs; the caret goes to the end.
    void SetText(const std::string& text);
    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    void SetSelStart(int start);
    void SetSelLength(int length);
    // SelStart 0, then SelLength the length of the text at that moment.
    void SelectAll();
    std::string SelText() const;

    Align Alignment() const { return m_align; }
    bool Border() const { return m_border; }
    Color BackColor() const { return m_backColor; }
    Color TextColor() const { return m_textColor; }

    // Editing as the user does it: each call raises at most one TextChange.
    void ReplaceSelection(const std::string& text);
    void Backspace();
    void Cut();
    void Copy() const;
    // From the clipboard, or the text the user brings another way (a drop,
    // the X selection): the PastedLine goes in, and a text without one
    // changes nothing.
    void Paste();
    void Paste(std::string_view text);
    // The first line of the text that holds more than blanks; empty if none.
    static std::string_view PastedLine(std::string_view text);
    void Clear();

    void MouseDown(int x, int y) override;

private:
    std::string m_text;
    int m_selStart = 0;
    int m_selLength = 0;
    Align m_align = Align::Right;
    bool m_border = true;
    Color m_backColor = 0xFFFFFF;
    Color m_textColor = 0x000000;
};

class GroupBox : public Control {
public:
    const char* ClassName() const override { return "GroupBox"; }
    void _SetProperties(const DesignProperties& design) override;
    const std::string& Caption() const { return m_caption; }

private:
    std::string m_caption;
};

class Canvas : public Control {
public:
    const char* ClassName() const override { return "Canvas"; }
    const PicturePtr& Backdrop() const { return m_backdrop; }
    void SetBackdrop(PicturePtr picture);

private:
    PicturePtr m_backdrop;
};

class Rectangle : public Control {
public:
    const char* ClassName() const override { return "Rectangle"; }
    void _SetProperties(const DesignProperties& design) override;
    Color FillColor() const { return m_fillColor; }
    int BorderWidth() const { return m_borderWidth; }
    Color BorderColor() const { return m_borderColor; }

private:
    Color m_fillColor = 0x000000;
    int m_borderWidth = 0;
    Color m_borderColor = 0x000000;
};

class Separator : public Control {
public:
    const char* ClassName() const override { return "Separator"; }
};

class PopupMenu : public Control {
public:
    const char* ClassName() const override { return "PopupMenu"; }
    void _SetProperties(const DesignProperties& design) override;
    bool AcceptsFocus() const override { return true; }

    const std::vector<std::string>& Items() const { return m_items; }
    int ListIndex() const { return m_listIndex; }
    // Raises Change when the index changes; an index outside the items is
    // ignored, as a real pop-up menu does.
    void SetListIndex(int index);

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

class RadioButton : public Control {
public:
    const char* ClassName() const override { return "RadioButton"; }
    void _SetProperties(const DesignProperties& design) override;

    const std::string& Caption() const { return m_caption; }
    bool Value() const { return m_value; }
    // Selecting one clears the other buttons of its group (same parent and page).
    void SetValue(bool value);
    // A click selects the button, then raises Action.
    void MouseDown(int x, int y) override;

private:
    std::string m_caption;
    bool m_value = false;
};

class BevelButton : public Control {
public:
    const char* ClassName() const override { return "BevelButton"; }
    void _SetProperties(const DesignProperties& design) override;
    const std::string& Caption() const { return m_caption; }
    // Takes no focus; raises Action.
    void MouseDown(int x, int y) override;

private:
    std::string m_caption;
};

class PushButton : public Control {
public:
    const char* ClassName() const override { return "PushButton"; }
    void _SetProperties(const DesignProperties& design) override;
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    bool IsDefault() const { return m_default; }
    // MouseDown is raised when the button goes down, Action when it is released.
    void MouseDown(int x, int y) override;
    // Raises Action after a press here, when released over the button: a
    // press the user drags away from does nothing.
    void MouseUp(int x, int y);

private:
    std::string m_caption;
    bool m_default = false;
    bool m_pressed = false;
};

class TabPanel : public Control {
public:
    const char* ClassName() const override { return "TabPanel"; }
    void _SetProperties(const DesignProperties& design) override;

    const std::vector<std::string>& Tabs() const { return m_tabs; }
    int Value() const { return m_value; }
    // Shows the page, then raises Change, when the value changes; a value
    // outside the tabs is ignored.
    void SetValue(int value);

private:
    std::vector<std::string> m_tabs;
    int m_value = 0;
};

class Listbox : public Control {
public:
    const char* ClassName() const override { return "Listbox"; }
    void _SetProperties(const DesignProperties& design) override;
    bool AcceptsFocus() const override { return true; }

    int ColumnCount() const { return m_columnCount; }
    int ListCount() const { return static_cast<int>(m_rows.size()); }
    void DeleteAllRows();
    // Adds a row showing text in its first column.
    void AddRow(const std::string& text);
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, const std::string& text);
    bool CellBold(int row, int column) const;
    void SetCellBold(int row, int column, bool bold);
    bool Selected(int row) const { return row >= 0 && row == m_selectedRow; }
    void SetSelected(int row, bool selected);
    int ListIndex() const { return m_selectedRow; }
    // Index of the first row shown.
    int ScrollPosition() const { return m_scrollPosition; }
    void SetScrollPosition(int row);
    // Counts changes of the rows and their texts, so a view knows when to
    // read them again.
    std::uint64_t RowsRevision() const { return m_rowsRevision; }

    // The background of one cell, as the CellBackgroundPaint handler draws it.
    Graphics PaintCellBackground(int row, int column, int width, int height);
    // A click: CellClick first; unless it returns True, the row is selected.
    void ClickCell(int row, int column, int x = 0, int y = 0);

private:
    struct Row {
        std::vector<std::string> cells;
        std::vector<bool> bold;
    };
    bool ValidCell(int row, int column) const;
    void RowsChanged();

    int m_columnCount = 1;
    std::uint64_t m_rowsRevision = 0;
    std::vector<Row> m_rows;
    int m_selectedRow = -1;
    int m_scrollPosition = 0;
};

} // namespace fw
