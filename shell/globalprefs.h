#pragma once

#include <cstdint>

// The eight settings kept in the preferences file, in file order. They are 0
// when the process starts; App.Load_Pref gives them their defaults and stored
// values, and App.Save_Pref writes them back.
namespace GlobalPrefs {
extern std::int32_t winx;       // main window Left
extern std::int32_t winy;       // main window Top
extern std::int32_t boxx;       // About window Left
extern std::int32_t boxy;       // About window Top
extern std::int32_t tabactive;  // selected tab, 0-based
extern std::int32_t freq1;      // sample rate, Hz
extern std::int32_t beats1;     // beats in the loop
extern std::int32_t SMPTEpopup; // frame rate item, 0-based
} // namespace GlobalPrefs
