#pragma once

// What the tempo calculators share.

// One equal-tempered semitone, to eight decimals; the results are computed
// with this value, not with the exact twelfth root of two.
inline constexpr double kSemitone = 1.05946309;

// A tempo is usable strictly between 20 and 250 beats per minute.
inline bool TempoUsable(double bpm) { return 20 < bpm && bpm < 250; }
