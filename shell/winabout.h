#pragma once

#include "window.h"

enum class Link;

// The About window: the logo, two lines of credits, "Ok" and the Contact and
// Website links. At most one exists. "Ok" only hides it; closing it stores
// its place, where the next one opens, in this run or the next.
class winabout : public fw::Window {
public:
    // Window events.
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window& window) override;
    void EnableMenuItems() override;
    void Close() override;
    void Open() override;

    void _CreateControls0();
    void PushButton1_Action();
    // contactbut_MouseDown, contactbuttxt_MouseDown, webbut_MouseDown,
    // webbuttxt_MouseDown: the link of the pair.
    bool link_MouseDown(Link link);
    // contactbut_MouseEnter, contactbuttxt_MouseEnter, webbut_MouseEnter,
    // webbuttxt_MouseEnter: the pair's caption turns blue.
    void link_MouseEnter(Link link);
    // contactbut_MouseExit, contactbuttxt_MouseExit, webbut_MouseExit,
    // webbuttxt_MouseExit: the pair's caption turns black.
    void link_MouseExit(Link link);

    // Menu handlers.
    bool _FileAbout_Action();
    bool _FileClose_Action();
};

// The About window, created when there is none. Look it up again after it
// closes: a closed window is gone.
class winabout& winabout();
