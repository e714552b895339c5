#pragma once

// What the benchmarks through the real Qt view share.

class QMainWindow;
class QWidget;

// Starts the program and runs its open events: its main window, shown.
QMainWindow& StartTheRealWindow();

// Alternately adds a digit at the caret and takes it away, then lets the
// event loop run until it is idle.
void TypeOneKey(QWidget* field, bool& added);
