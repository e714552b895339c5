#include "globalprefs.h"

#include "system.h"

#include <algorithm>

namespace GlobalPrefs {
std::int32_t winx = 0;
std::int32_t winy = 0;
std::int32_t boxx = 0;
std::int32_t boxy = 0;
std::int32_t tabactive = 0;
std::int32_t freq1 = 0;
std::int32_t beats1 = 0;
std::int32_t SMPTEpopup = 0;

Place OpenPlace(Place stored, int width, Place fallback)
{
    // About as tall as desktops draw a title bar, from the window's top edge.
    constexpr long long kTitleBarHeight = 20;
    const std::vector<fw::ScreenArea> screens = fw::AvailableScreens();
    // Headless there is nothing to reach: the place stands.
    if (screens.empty())
        return stored;
    const long long left = stored.left;
    const long long top = stored.top;
    for (const fw::ScreenArea& screen : screens) {
        long long across = std::min<long long>(left + width, screen.left + screen.width)
                           - std::max<long long>(left, screen.left);
        long long down = std::min<long long>(top + kTitleBarHeight, screen.top + screen.height)
                         - std::max<long long>(top, screen.top);
        if (across > 0 && down > 0)
            return stored;
    }
    return fallback;
}
} // namespace GlobalPrefs
