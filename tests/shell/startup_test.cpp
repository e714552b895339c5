// Start-up as a whole: the one main window, an opened document, and what
// happens when something escapes.

#include "app.h"
#include "cadenzo.h"
#include "simuser.h"
#include "startup.h"
#include "system.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, CreatesOneMainWindowThatAnOpenedDocumentOnlyMakesForgetTheCarriedTempo)
{
    SimUser user;
    user.Start();
    EXPECT_GT(fw::Ticks(), 0) << "the test clock, like the real one, never reads 0: a time stamp of none";
    class Cadenzo& window = Cadenzo();
    EXPECT_EQ(&Cadenzo(), &window);
    EXPECT_EQ(fw::Windows().size(), 1u);
    EXPECT_FALSE(window.tapactived);
    EXPECT_EQ(*window.taptimer, (std::array<std::int32_t, 33>{}));
    window.tempoglobal = 120.0;
    App().OpenDocument(fw::FolderItem("/tmp/some document.txt"));
    EXPECT_EQ(window.tempoglobal, 0.0);
}

TEST(StartUp, AnExceptionThatEscapesIsReportedAndEndsWithStatusOne)
{
    SimUser user;
    // Without the application's resources the layout cannot get its pictures.
    fw::SetResourceForkFactory(nullptr);
    testing::internal::CaptureStderr();
    _Main();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("NilObjectException"), std::string::npos);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

} // namespace
