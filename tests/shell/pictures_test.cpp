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
        return id == 172 && !g_hasNotes ? nullptr : std::make_shared<fw::Picture>();
    }
};

std::unique_ptr<fw::ResourceFork> MakeCountingResources() { return std::make_unique<CountingResources>(); }

TEST(Pictures, EachIsReadOnceAndKeptAMissingOneIsReadAgainUntilItIsThereAndNoResourcesRaise)
{
    ForgetPictures();
    g_reads.clear();
    g_hasNotes = false;
    fw::SetResourceForkFactory(&MakeCountingResources);
    for (int round = 0; round < 2; ++round)
        for (auto accessor : {logo, contact, web, apropos, Notes})
            EXPECT_EQ(accessor(), accessor == Notes ? nullptr : accessor());
    EXPECT_EQ(g_reads, (std::map<int, int>{{168, 1}, {169, 1}, {170, 1}, {171, 1}, {172, 2}}));
    g_hasNotes = true;
    fw::PicturePtr notes = Notes();
    EXPECT_NE(notes, nullptr);
    EXPECT_EQ(Notes(), notes);
    EXPECT_EQ(g_reads[172], 3);

    ForgetPictures();
    fw::SetResourceForkFactory(nullptr);
    EXPECT_THROW(logo(), fw::NilObjectException);
}

} // namespace
