// The process entry: the runtime starts, the Qt platform comes up, _Main
// runs the program until it quits, and the runtime's result is the status.

#include "application.h"
#include "platform.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!fwqt::Platform::HasDisplay()) {
        std::fputs("cadenzo: no display: set DISPLAY, or run it under xvfb-run\n", stderr);
        return 1;
    }
    fw::RuntimeInit();
    int status = 0;
    {
        fwqt::Platform platform(argc, argv);
        // Task bars and window switchers find the menu entry and its icon.
        QGuiApplication::setDesktopFileName(QStringLiteral("cadenzo"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/cadenzo.png")));
        _Main();
        status = fw::RuntimeExit();
        // The windows go before the toolkit that shows them.
        fw::RuntimeShutdown();
    }
    return status;
}
