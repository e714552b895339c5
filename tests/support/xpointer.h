#pragma once

// The X pointer, moved and pressed as a hand does, through XTest: the events
// reach every program on the display as the user's would.

namespace xpointer {

// False where there is no X display or no XTest.
bool Available();
void MoveTo(int x, int y);
void Press();
void Release();

} // namespace xpointer
