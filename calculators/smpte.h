#pragma once

// Time-code arithmetic of the SMPTE tab, apart from its controls. A code is
// counted in frames, a Double: 29.97 fps is a plain rate, and frames may
// carry fractions.

#include <cstdint>

// Frames per second of an item of the rate pop-up: 24, 25, 29.97 or 30. An
// index no item has counts as the first item, the one the pop-up then shows,
// so no code is ever divided by a rate of 0.
double FrameRate(int listIndex);

// A code in frames. The grouping is fixed so that the same length typed as
// 1 m or as 60 s gives the same Double.
double CodeFrames(double hours, double minutes, double seconds, double frames, double rate);

// True while a Double holds a number of frames to well under the hundredth
// shown (up to 2^42 frames, some 40 million hours); false for more, for an
// infinity and for a NaN.
bool Countable(double frames);

// The seconds of the total a ± b. At 29.97 fps a code of whole seconds
// comes out a hair off them (1 m gives 59.99999999999999 s); a quotient within
// the rounding noise of the codes summed (and at least within a nanosecond)
// of a whole number is that number. Real fractions are kept.
double TotalSeconds(double a, double b, double total, double rate);

// A clock's whole seconds (0 to 59), minutes (0 to 59) and hours, never
// wrapped, of a countable, non-negative number of seconds. 64-bit, since the
// seconds go far beyond 2^31.
struct ClockParts {
    std::int32_t seconds;
    std::int32_t minutes;
    double hours;
};
ClockParts SplitSeconds(double seconds);
