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

// Ends a run and forgets everything it kept, so another can start in the
// same process: the windows, the application, the menu bar, the settings,
// the texts and pictures looked up, the file types.
void ResetRun();
