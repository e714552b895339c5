#include "xpointer.h"

// After everything Qt: Xlib defines None, KeyPress and the like as macros.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace xpointer {

namespace {

Display* TheDisplay()
{
    static Display* display = [] {
        Display* opened = XOpenDisplay(nullptr);
        int event = 0, error = 0, major = 0, minor = 0;
        if (opened != nullptr && !XTestQueryExtension(opened, &event, &error, &major, &minor)) {
            XCloseDisplay(opened);
            opened = nullptr;
        }
        return opened;
    }();
    return display;
}

} // namespace

bool Available() { return TheDisplay() != nullptr; }

void MoveTo(int x, int y)
{
    XTestFakeMotionEvent(TheDisplay(), -1, x, y, CurrentTime);
    XFlush(TheDisplay());
}

void Press()
{
    XTestFakeButtonEvent(TheDisplay(), 1, True, CurrentTime);
    XFlush(TheDisplay());
}

void Release()
{
    XTestFakeButtonEvent(TheDisplay(), 1, False, CurrentTime);
    XFlush(TheDisplay());
}

} // namespace xpointer
