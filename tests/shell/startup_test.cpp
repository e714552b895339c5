// Start-up as a whole: the file types, the one main window, and what
// happens when something escapes.

#include "application.h"
#include "cadenzo.h"
#include "simuser.h"
#include "startup.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, CreatesOneMainWindowThatTheAccessorKeepsFinding)
{
    SimUser user;
    user.Start();
    class Cadenzo& window = Cadenzo();
    EXPECT_EQ(&Cadenzo(), &window);
    EXPECT_EQ(fw::Windows().size(), 1u);
    EXPECT_EQ(window.tempoglobal, 0.0);
    EXPECT_FALSE(window.tapactived);
    EXPECT_EQ(*window.taptimer, (std::array<std::int32_t, 33>{}));
}

TEST(StartUp, AnExceptionThatEscapesIsReportedAndEndsWithStatusOne)
{
    SimUser user;
    // Without the application's resources the layout cannot get its pictures.
    fw::SetResourceForkFactory(nullptr);
    testing::internal::CaptureStderr();
    _Main();
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("NilObjectException"), std::string::npos);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

} // namespace
