// The picture accessors: read from the application's resources once, kept
// for the run, and read again while a picture is missing.

#include "nil.h"
#include "pictures.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, int> g_reads;
bool g_hasNotes = false;

class CountingResources : public fw::ResourceFork {
public:
    fw::PicturePtr GetPicture(int id) override
    {
        ++g_reads[id];
        if (id == 172 && !g_hasNotes)
            return nullptr;
        auto picture = std::make_shared<fw::Picture>();
        picture->width = id;
        return picture;
    }
};

std::unique_ptr<fw::ResourceFork> MakeCountingResources() { return std::make_unique<CountingResources>(); }

class Pictures : public testing::Test {
protected:
    void SetUp() override
    {
        ForgetPictures();
        g_reads.clear();
        g_hasNotes = false;
        fw::SetResourceForkFactory(&MakeCountingResources);
    }
    void TearDown() override
    {
        ForgetPictures();
        fw::SetResourceForkFactory(nullptr);
    }
};

TEST_F(Pictures, EachIsReadOnceAndTheSameObjectIsReturned)
{
    const std::pair<fw::PicturePtr (*)(), int> accessors[] = {
        {logo, 168}, {contact, 169}, {web, 170}, {apropos, 171}};
    for (const auto& [accessor, number] : accessors) {
        SCOPED_TRACE(number);
        fw::PicturePtr first = accessor();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->width, number);
        EXPECT_EQ(accessor(), first);
        EXPECT_EQ(g_reads[number], 1);
    }
}

TEST_F(Pictures, AMissingPictureIsNilAndReadAgainUntilItIsThere)
{
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(Notes(), nullptr);
    EXPECT_EQ(g_reads[172], 2);
    g_hasNotes = true;
    fw::PicturePtr notes = Notes();
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(Notes(), notes);
    EXPECT_EQ(g_reads[172], 3);
}

TEST_F(Pictures, WithoutResourcesTheAccessorRaisesTheNilObjectException)
{
    fw::SetResourceForkFactory(nullptr);
    EXPECT_THROW(logo(), fw::NilObjectException);
}

} // namespace
