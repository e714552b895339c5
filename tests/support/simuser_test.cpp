// Promises of the simulated user that the program's tests rely on.

#include "simuser.h"
#include "system.h"

#include <gtest/gtest.h>

TEST(SimUser, ItsClockStartsAwayFromZeroLikeTheRealOne)
{
    SimUser user;
    user.Start();
    EXPECT_GT(fw::Ticks(), 0) << "a first tap stamped 0 would be an empty place";
}
