#pragma once

// Ends a run and forgets everything it kept, so another can start in the
// same process: the windows, the application, the menu bar, the settings,
// the texts and pictures looked up, the file types. A new cache of the
// program is forgotten here too, or it leaks from one test into the next.
void ResetRun();
