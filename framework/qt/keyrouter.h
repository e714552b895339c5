#pragma once

// Every key press of the application passes the key router first, once, at
// the widget that has its window's focus. A menu's shortcut goes to the
// core's menus, even when the item is off, so that a field's own Control+C
// cannot bypass the core; a key without text goes to the core by name first,
// and Qt acts on it only when no handler consumed it; a typed character goes
// to the focused field's KeyDown, and types natively unless refused.

#include <QObject>

namespace fwqt {

class KeyRouter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace fwqt
