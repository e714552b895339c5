// Views of the text controls: labels and edit fields.

#include "controlview.h"
#include "controlviews.h"
#include "convert.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

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
        return fitted.font;
    }

    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override { return ReportPointer(event); }

private:
    QLabel& Label() const { return static_cast<QLabel&>(*Widget()); }

    // Found while choosing the font, which comes before the details.
    mutable bool m_fits = true;
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
        if (edit.text() != text)
            edit.setText(text);
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
        return Fit(ControlView::WidgetFont(), ToQString(Field().Text()), TextRoom()).font;
    }

    // Text that comes in by other ways than typing goes through the core's
    // paste, which keeps the first line: Qt would take every line.
    bool WidgetEvent(QObject* /*watched*/, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            // Shift+Insert, say; Control+V never gets here, it is the menu's.
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
                return false;
            PasteAt(std::nullopt, ToUtf8(QGuiApplication::clipboard()->text()));
            return true;
        case QEvent::MouseButtonRelease: {
            // The press has placed the caret, natively.
            QClipboard* clipboard = QGuiApplication::clipboard();
            if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton || !clipboard->supportsSelection())
                return false;
            PasteAt(CodePointIndex(Edit().text(), Edit().cursorPosition()),
                    ToUtf8(clipboard->text(QClipboard::Selection)));
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasText())
                return false;
            QLineEdit& edit = Edit();
            PasteAt(CodePointIndex(edit.text(), edit.cursorPositionAt(drop->position().toPoint())),
                    ToUtf8(drop->mimeData()->text()));
            drop->acceptProposedAction();
            return true;
        }
        default:
            return false;
        }
    }

private:
    // Start and length, in characters.
    using Selection = std::pair<int, int>;

    QLineEdit& Edit() const { return static_cast<QLineEdit&>(*Widget()); }
    fw::EditField& Field() const { return static_cast<fw::EditField&>(*Control()); }

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

    // Over the selection, or at a point (where the text was dropped or
    // middle-clicked), which focuses the field as a click would.
    void PasteAt(std::optional<int> at, const std::string& text)
    {
        fw::EditField* field = &Field();
        FromUser([field, at, &text] {
            if (at) {
                field->SetFocus();
                field->SetSelStart(*at);
                field->SetSelLength(0);
            }
            field->Paste(text);
        });
    }

    void SelectionMoved()
    {
        if (Mirroring() || Control() == nullptr)
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
