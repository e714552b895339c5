#pragma once

// A window's control as data: its class, its design values, where its text
// or picture comes from, and the events bound to the window's handlers. Any
// window class builds its controls from such rows with CreateControl.

#include "control.h"
#include "nil.h"
#include "window.h"

#include <functional>
#include <memory>
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

// A handler of the window that owns the control, run with it as self.
using WindowHandler = std::function<bool(fw::Window& self, const fw::EventArgs& args)>;

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

// Binds one more event to a row built by a helper:
//   Bind(TabField("tempo3", 3, {166, 205, 48, 18}), "TextChange", On<&Cadenzo::tempo3_TextChange>())
ControlRow Bind(ControlRow row, const char* event, WindowHandler handler);

namespace rows_detail {

template <class M>
struct MethodOf;
template <class R, class W, class... A>
struct MethodOf<R (W::*)(A...)> {
    using Window = W;
};

template <class W>
W& Self(fw::Window& window)
{
    return fw::Deref(dynamic_cast<W*>(&window));
}

template <class W, auto Method>
bool Call(fw::Window& window, const fw::EventArgs& args)
{
    using M = decltype(Method);
    W& self = Self<W>(window);
    if constexpr (std::is_invocable_v<M, W&>) {
        (self.*Method)();
        return false;
    } else if constexpr (std::is_invocable_v<M, W&, fw::Graphics&, int, int>) {
        return (self.*Method)(*args.graphics, args.row, args.column);
    } else if constexpr (std::is_invocable_v<M, W&, int, int, int, int>) {
        return (self.*Method)(args.row, args.column, args.x, args.y);
    } else if constexpr (std::is_invocable_v<M, W&, int, int>) {
        return (self.*Method)(args.x, args.y);
    } else {
        static_assert(std::is_invocable_v<M, W&, const std::string&>);
        return (self.*Method)(args.key);
    }
}

} // namespace rows_detail

// Adapts a handler method of the window to an event, whatever its signature
// (the Boolean result of a void handler is False):
//   On<&Cadenzo::tempo1_TextChange>()
template <auto Method>
auto On()
{
    using W = typename rows_detail::MethodOf<decltype(Method)>::Window;
    return WindowHandler(&rows_detail::Call<W, Method>);
}

// One method serving a family of controls, told which one by a fixed
// argument: On<&Cadenzo::noteN_TextChange>(7) is note7_TextChange.
template <auto Method, class Arg>
auto On(Arg arg)
{
    using W = typename rows_detail::MethodOf<decltype(Method)>::Window;
    return WindowHandler([arg](fw::Window& self, const fw::EventArgs&) {
        (rows_detail::Self<W>(self).*Method)(arg);
        return false;
    });
}

// A new control of the class, with the class's defaults.
std::unique_ptr<fw::Control> NewControl(ControlClass cls);

// Creates one control completely before the next is begun: instance, name,
// Strings text or picture, design values, Select all handler, then its
// events, bound last so that building a window computes nothing.
void CreateControl(fw::Window& window, const ControlRow& row);
