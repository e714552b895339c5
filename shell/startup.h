#pragma once

// Start-up, in this order: the file types are registered, the application
// object is created with its menu bar, the main window is created, then the
// event loop runs until the application quits.

void _Main();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();

// The steps of _Main before the event loop, for a program driven without one.
void StartUp();
