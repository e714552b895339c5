#pragma once

#include "menu.h"

// The program's menu bar: File (Close, a separator, Quit) and Edit (Cut,
// Copy, Paste, Delete, Select all, About Cadenzo...). One instance, shared
// by the application and the main window.
class Menu : public fw::MenuBar {
public:
    Menu();
};

// The one menu bar, built on first use.
class Menu& Menu();
// Items of the application's menu bar, for the classes that enable them.
fw::MenuItem* EditSelectAll();
fw::MenuItem* FileClose();

// Drops the menu bar, as at the start of a run.
void ForgetMenu();
