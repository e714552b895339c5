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

// The windows' places at a first start.
inline constexpr std::int32_t kDefaultWinx = 10;
inline constexpr std::int32_t kDefaultWiny = 44;
inline constexpr std::int32_t kDefaultBoxx = 100;
inline constexpr std::int32_t kDefaultBoxy = 100;

struct Place {
    std::int32_t left;
    std::int32_t top;
};
// Where a window `width` wide that was stored at `stored` opens: there, when
// any of its title bar would be on a screen, else at `fallback`. A place
// saved on a larger screen must not open the window out of every reach.
Place OpenPlace(Place stored, int width, Place fallback);
} // namespace GlobalPrefs
