#include "keyrouter.h"

#include "application.h"
#include "controlview.h"
#include "convert.h"
#include "guard.h"
#include "window.h"
#include "windowview.h"

#include <QKeyEvent>
#include <QMetaEnum>
#include <QWidget>

#include <string>

namespace fwqt {

namespace {

// "Cmd+W" for Control+W, as the core names shortcuts; empty for other keys.
std::string ShortcutName(const QKeyEvent& event)
{
    Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return {};
    int key = event.key();
    if (key <= 0x20 || key >= 0x7F)
        return {};
    bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
    std::string name = (modifiers & Qt::ShiftModifier) && letter ? "Cmd+Shift+" : "Cmd+";
    return name + static_cast<char>(key);
}

// The core's name of a key that carries no text; empty for the others. The
// core names its keys as Qt does, without the "Key_".
std::string KeyName(int key)
{
    // The keypad's Enter is the Return key to the core.
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    const char* qtName = QMetaEnum::fromType<Qt::Key>().valueToKey(key);
    if (qtName == nullptr)
        return {};
    std::string name = std::string(qtName).substr(4);
    return fw::IsNamedKey(name) ? name : std::string();
}

// A key for the view's window; true when Qt must not act on it.
bool RouteKey(WindowView& view, QWidget* receiver, const QKeyEvent& event)
{
    fw::Window* window = view.CoreWindow();
    if (window == nullptr || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    std::string key = KeyName(event.key());
    bool named = !key.empty();
    if (!named) {
        QString text = event.text();
        if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        key = ToUtf8(text);
        auto* field = dynamic_cast<fw::EditField*>(window->Focus());
        ControlView* fieldView = view.ViewOf(field);
        if (fieldView != nullptr && fieldView->Widget() == receiver) {
            // The field's KeyDown may refuse the key; otherwise it types natively.
            bool consumed = false;
            Guard([&] {
                fw::EventArgs args;
                args.key = key;
                consumed = field->Raise("KeyDown", args);
            });
            return consumed;
        }
    }
    bool repeat = event.isAutoRepeat();
    bool consumed = false;
    Guard([&] { consumed = window->PressKey(key, repeat); });
    // A named key nobody consumed is Qt's to act on: the caret moves, a list scrolls.
    return !named || consumed;
}

} // namespace

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr)
        return false;
    QWidget* focus = widget->window()->focusWidget();
    if (widget != focus && !(focus == nullptr && widget->isWindow()))
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    auto* view = dynamic_cast<WindowView*>(widget->window());
    // A menu's shortcut never reaches the widget, even when the item is off,
    // so a field's own Control+C cannot bypass the core.
    std::string shortcut = ShortcutName(key);
    if (fw::ShortcutItem(shortcut) != nullptr) {
        Guard([view, &shortcut] {
            if (view != nullptr)
                view->UserActsHere();
            fw::ChooseShortcut(shortcut);
        });
        return true;
    }
    return view != nullptr && RouteKey(*view, widget, key);
}

} // namespace fwqt
