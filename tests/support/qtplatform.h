#pragma once

// The Qt platform of the test programs, on the offscreen platform. Its owner
// shuts the runtime down before dropping it: the windows go before the
// toolkit that shows them.

#include "platform.h"

#include <memory>

inline std::unique_ptr<fwqt::Platform> NewPlatform()
{
    static int argc = 1;
    static char name[] = "cadenzo_tests";
    static char* argv[] = {name, nullptr};
    return std::make_unique<fwqt::Platform>(argc, argv);
}
