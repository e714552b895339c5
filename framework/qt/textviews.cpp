// Views of the text controls: labels and edit fields.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

namespace fwqt {

namespace {

Qt::Alignment Horizontal(fw::Align align)
{
    switch (align) {
    case fw::Align::Center:
        return Qt::AlignHCenter;
    case fw::Align::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

void SetColor(QWidget& widget, QPalette::ColorRole role, fw::Color color)
{
    QPalette palette = widget.palette();
    if (palette.color(role) == ToQColor(color))
        return;
    palette.setColor(role, ToQColor(color));
    widget.setPalette(palette);
}

class StaticTextView final : public ControlView {
public:
    StaticTextView(WindowView& window, fw::StaticText& control, QWidget* content)
        : ControlView(window, control, new QLabel(content))
    {
        Label().setTextFormat(Qt::PlainText);
    }

protected:
    void SyncDetails() override
    {
        const auto& text = static_cast<const fw::StaticText&>(*Control());
        QLabel& label = Label();
        QString shown = ToQString(text.Text());
        if (label.text() != shown)
            label.setText(shown);
        SetColor(label, QPalette::WindowText, text.TextColor());
        // A line too long for the label even in the smallest type shows its
        // beginning: a number's first digits say most.
        fw::Align align = m_fits ? text.TextAlign() : fw::Align::Left;
        label.setAlignment(Horizontal(align) | Qt::AlignTop);
        // Smaller type stands on the baseline of the label's own.
        if (label.contentsMargins().top() != m_baselineDrop)
            label.setContentsMargins(0, m_baselineDrop, 0, 0);
        // Qt lays the label out anew at each call, even with no change.
        if (label.wordWrap() != text.MultiLine())
            label.setWordWrap(text.MultiLine());
    }

    QFont WidgetFont() const override
    {
        const auto& text = static_cast<const fw::StaticText&>(*Control());
        QFont font = ControlView::WidgetFont();
        if (text.MultiLine())
            return font;
        FittedFont fitted = Fit(font, ToQString(text.Text()), Widget()->width());
        m_fits = fitted.fits;
        m_baselineDrop = fitted.font.pixelSize() < font.pixelSize()
                             ? QFontMetrics(font).ascent() - QFontMetrics(fitted.font).ascent()
                             : 0;
        return fitted.font;
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override { return ReportPointer(event); }

private:
    QLabel& Label() const { return static_cast<QLabel&>(*Widget()); }

    // Found while choosing the font, which comes before the details.
    mutable bool m_fits = true;
    mutable int m_baselineDrop = 0;
};

// The field types natively; each edit the user makes becomes one SetText in
// the core, and the core's caret and selection follow the widget's.
class EditFieldView final : public ControlView {
public:
    EditFieldView(WindowView& window, fw::EditField& control, QWidget* content)
        : ControlView(window, control, new QLineEdit(content))
    {
        // Clipboard edits go through the core's menu items only.
        Edit().setContextMenuPolicy(Qt::NoContextMenu);
        // The core's text has no length limit; Qt's default would cut the
        // field's at 32,767 characters, apart from the value computed from it.
        Edit().setMaxLength(std::numeric_limits<int>::max());
        connect(&Edit(), &QLineEdit::textEdited, this, [this](const QString& text) { TextEdited(text); });
        connect(&Edit(), &QLineEdit::selectionChanged, this, [this] { SelectionMoved(); });
        connect(&Edit(), &QLineEdit::cursorPositionChanged, this, [this] { SelectionMoved(); });
    }

protected:
    void SyncDetails() override
    {
        const fw::EditField& field = Field();
        QLineEdit& edit = Edit();
        edit.setFrame(field.Border());
        SetColor(edit, QPalette::Base, field.BackColor());
        SetColor(edit, QPalette::Text, field.TextColor());
        edit.setAlignment(Horizontal(field.Alignment()) | Qt::AlignVCenter);
        QString text = ToQString(field.Text());
        const bool rewritten = edit.text() != text;
        if (rewritten)
            edit.setText(text);
        if (ShowsItsBeginning()) {
            if (rewritten)
                edit.setCursorPosition(0);
            return;
        }
        Selection wanted{field.SelStart(), field.SelLength()};
        if (WidgetSelection() == wanted)
            return;
        int from = Utf16Index(text, wanted.first);
        int to = Utf16Index(text, wanted.first + wanted.second);
        if (to > from)
            edit.setSelection(from, to - from);
        else
            edit.setCursorPosition(from);
    }

    // A value written into a field cut to a narrower face would scroll out of
    // sight: the face narrows while the text does not fit, as a label's does;
    // what would not fit even in small type keeps the field's own and
    // scrolls, with the caret in view.
    QFont WidgetFont() const override
    {
        FittedFont fitted = Fit(ControlView::WidgetFont(), ToQString(Field().Text()), TextRoom());
        m_fits = fitted.fits;
        return fitted.font;
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        // Text that comes in by other ways than typing goes through the
        // core's paste, which keeps one line: Qt would take every line.
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            // There is no Undo: Qt's own would undo only what it saw typed,
            // and move the caret where it finds nothing to undo.
            if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
                return true;
            // Shift+Insert, say; Control+V never gets here, it is the menu's.
            if (!key.matches(QKeySequence::Paste))
                return false;
            Paste(ToUtf8(QGuiApplication::clipboard()->text()));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            // The press has placed the caret, natively, and the core's with it.
            QClipboard* clipboard = QGuiApplication::clipboard();
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton || !clipboard->supportsSelection())
                return false;
            Paste(ToUtf8(clipboard->text(QClipboard::Selection)));
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
            DragOver(*static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::Drop:
            Dropped(*static_cast<QDropEvent*>(event));
            return true;
        case QEvent::DragLeave:
            m_droppedAt.reset();
            return false;
        case QEvent::FocusIn:
            // A click's press places the caret where the user saw the text;
            // any other way in shows the core's caret.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason && Control() != nullptr)
                ControlChanged(*Control());
            return false;
        case QEvent::FocusOut:
            if (ShowsItsBeginning())
                Edit().setCursorPosition(0);
            return false;
        default:
            return false;
        }
    }

private:
    // Start and length, in characters.
    using Selection = std::pair<int, int>;

    QLineEdit& Edit() const { return static_cast<QLineEdit&>(*Widget()); }
    fw::EditField& Field() const { return static_cast<fw::EditField&>(*Control()); }

    // A text too long for a field the caret is not in shows its beginning,
    // which says most of a number, where QLineEdit would show the end the
    // caret was left at. Until the field has the focus again, its widget's
    // caret only keeps that view: the core keeps its own.
    bool ShowsItsBeginning() const
    {
        const QLineEdit& edit = Edit();
        return !m_fits && edit.window()->focusWidget() != &edit;
    }

    // The pixels QLineEdit lays its text in: its contents inside the frame,
    // less its own margin of 2 on each side and 1 for the caret.
    int TextRoom() const
    {
        constexpr int kLineEditMargin = 2;
        const QLineEdit& edit = Edit();
        QStyleOptionFrame option;
        option.initFrom(&edit);
        option.rect = edit.contentsRect();
        option.lineWidth =
            Field().Border() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
        QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
        QMargins margins = edit.textMargins();
        return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin - 1;
    }

    Selection WidgetSelection() const
    {
        const QLineEdit& edit = Edit();
        QString text = edit.text();
        bool selected = edit.hasSelectedText();
        int start = selected ? edit.selectionStart() : edit.cursorPosition();
        int end = selected ? edit.selectionEnd() : start;
        int from = CodePointIndex(text, start);
        return {from, CodePointIndex(text, end) - from};
    }

    void TextEdited(const QString& text)
    {
        if (Mirroring() || Control() == nullptr)
            return;
        std::string typed = ToUtf8(text);
        Selection selection = WidgetSelection();
        fw::EditField* field = &Field();
        FromUser([field, &typed, selection] {
            field->SetText(typed);
            // A TextChange handler that rewrote the text has placed the caret.
            if (field->Text() == typed) {
                field->SetSelStart(selection.first);
                field->SetSelLength(selection.second);
            }
        });
    }

    void Paste(const std::string& text)
    {
        fw::EditField* field = &Field();
        FromUser([field, &text] { field->Paste(text); });
    }

    // A drop is a copy, whatever the source proposes: a move would have the
    // source delete all it sent, of which the field takes one line. It takes
    // plain text alone, never URLs, which X sources offer as text too: a file
    // would become its address. Only the formats are read while the pointer
    // moves; the data, from another program and of any size, comes at the drop.
    static bool OffersText(const QDropEvent& drop)
    {
        if (!(drop.possibleActions() & Qt::CopyAction))
            return false;
        const QStringList formats = drop.mimeData()->formats();
        return !formats.contains(QLatin1String("text/uri-list"))
               && std::any_of(formats.begin(), formats.end(), [](const QString& format) {
                      return format == QLatin1String("text/plain") || format.startsWith(QLatin1String("text/plain;"));
                  });
    }

    void DragOver(QDragMoveEvent& drag)
    {
        if (!OffersText(drag)) {
            drag.ignore();
            return;
        }
        drag.setDropAction(Qt::CopyAction);
        drag.accept();
        // QLineEdit, offered a copy alone, shows where the text would go. An
        // X source may send its last position again after the drop: the drop
        // caret must not come back there, nor move the caret.
        const QPoint at = drag.position().toPoint();
        if (m_droppedAt == at)
            return;
        m_droppedAt.reset();
        std::unique_ptr<QDragMoveEvent> offer;
        if (drag.type() == QEvent::DragEnter)
            offer = std::make_unique<QDragEnterEvent>(at, Qt::CopyAction, drag.mimeData(), drag.buttons(), drag.modifiers());
        else
            offer = std::make_unique<QDragMoveEvent>(at, Qt::CopyAction, drag.mimeData(), drag.buttons(), drag.modifiers());
        Edit().event(offer.get());
    }

    void Dropped(QDropEvent& drop)
    {
        // The drop caret goes, as at QLineEdit's own drop.
        QDragLeaveEvent leave;
        Edit().event(&leave);
        const std::string text = OffersText(drop) ? ToUtf8(drop.mimeData()->text()) : std::string();
        if (fw::EditField::PastedLine(text).empty()) {
            drop.ignore();
            return;
        }
        drop.setDropAction(Qt::CopyAction);
        drop.accept();
        m_droppedAt = drop.position().toPoint();
        // The field takes the focus as a click would. Leaving another field
        // may rewrite this one, so the point is read in the text shown then:
        // QLineEdit places its text only when it paints.
        fw::EditField* field = &Field();
        FromUser([field] { field->SetFocus(); });
        if (Control() == nullptr)
            return;
        Edit().repaint();
        const int at = CodePointIndex(Edit().text(), Edit().cursorPositionAt(drop.position().toPoint()));
        FromUser([field, at, &text] {
            field->SetSelStart(at);
            field->SetSelLength(0);
            field->Paste(text);
        });
    }

    void SelectionMoved()
    {
        if (Mirroring() || Control() == nullptr || ShowsItsBeginning())
            return;
        fw::EditField* field = &Field();
        Selection selection = WidgetSelection();
        if (selection == Selection{field->SelStart(), field->SelLength()})
            return;
        FromUser([field, selection] {
            field->SetSelStart(selection.first);
            field->SetSelLength(selection.second);
        });
    }

    // Found while choosing the font, which comes before the details.
    mutable bool m_fits = true;
    std::optional<QPoint> m_droppedAt;
};

} // namespace

std::unique_ptr<ControlView> NewStaticTextView(WindowView& window, fw::StaticText& control, QWidget* content)
{
    return std::make_unique<StaticTextView>(window, control, content);
}

std::unique_ptr<ControlView> NewEditFieldView(WindowView& window, fw::EditField& control, QWidget* content)
{
    return std::make_unique<EditFieldView>(window, control, content);
}

} // namespace fwqt
