#include "globalprefs.h"

namespace GlobalPrefs {
std::int32_t winx = 0;
std::int32_t winy = 0;
std::int32_t boxx = 0;
std::int32_t boxy = 0;
std::int32_t tabactive = 0;
std::int32_t freq1 = 0;
std::int32_t beats1 = 0;
std::int32_t SMPTEpopup = 0;
} // namespace GlobalPrefs
