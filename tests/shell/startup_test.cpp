// Start-up as a whole: an opened document, and what happens when something
// escapes.

#include "app.h"
#include "simuser.h"
#include "startup.h"
#include "system.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, AnOpenedDocumentOnlyMakesTheWindowForgetTheCarriedTempo)
{
    SimUser user;
    user.Start();
    user.TypeInto("tempo1", "120");
    App().OpenDocument(fw::FolderItem("/tmp/some document.txt"));
    EXPECT_EQ(user.Window().tempoglobal, 0.0);
    EXPECT_EQ(fw::Windows().size(), 1u);
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
