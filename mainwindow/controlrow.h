#pragma once

// A control of the main window as data: its class, its design values, where
// its text or picture comes from, and the events bound to its handlers.

#include "cadenzo.h"
#include "control.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

enum class ControlClass {
    TabPanel,
    StaticText,
    EditFieldPlus,
    GroupBox,
    Canvas,
    Rectangle,
    Separator,
    PopupMenu,
    RadioButton,
    BevelButton,
    PushButton,
    Listbox,
};

// A handler of the window, run with the window as self.
using WindowHandler = std::function<bool(class Cadenzo& self, const fw::EventArgs& args)>;

struct EventBinding {
    const char* event;
    WindowHandler handler;
};

struct ControlRow {
    const char* name;
    ControlClass cls;
    fw::DesignProperties design;
    // The Strings getter whose text the control shows (text or caption).
    std::string (*strings)() = nullptr;
    // The picture a canvas shows as its backdrop.
    fw::PicturePtr (*picture)() = nullptr;
    std::vector<EventBinding> events{};
};

// Adapts a handler method of the window to an event, whatever its signature:
// On<&Cadenzo::tempo1_TextChange>().
template <auto Method>
WindowHandler On()
{
    return [](class Cadenzo& self, const fw::EventArgs& args) -> bool {
        using M = decltype(Method);
        if constexpr (std::is_invocable_v<M, class Cadenzo&>) {
            (self.*Method)();
            return false;
        } else if constexpr (std::is_invocable_v<M, class Cadenzo&, fw::Graphics&, int, int>) {
            return (self.*Method)(*args.graphics, args.row, args.column);
        } else if constexpr (std::is_invocable_v<M, class Cadenzo&, int, int, int, int>) {
            return (self.*Method)(args.row, args.column, args.x, args.y);
        } else if constexpr (std::is_invocable_v<M, class Cadenzo&, int, int>) {
            return (self.*Method)(args.x, args.y);
        } else {
            static_assert(std::is_invocable_v<M, class Cadenzo&, const std::string&>);
            return (self.*Method)(args.key);
        }
    };
}
