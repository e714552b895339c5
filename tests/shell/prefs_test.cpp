// The preferences file across runs, as the user meets it: first start,
// values fixed on load, odd file sizes, and saving that never damages it.

#include "app.h"
#include "globalprefs.h"
#include "simuser.h"
#include "startup.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

using Values = std::array<std::int32_t, 8>;

TEST(Prefs, FirstStartUsesTheDefaultsAndQuittingWrites32Bytes)
{
    SimUser user;
    user.Start();
    EXPECT_EQ(user.Window().Left(), 10);
    EXPECT_EQ(user.Window().Top(), 44);
    EXPECT_EQ(GlobalPrefs::freq1, 44100);
    EXPECT_EQ(GlobalPrefs::beats1, 4);
    EXPECT_EQ(GlobalPrefs::SMPTEpopup, 0);

    user.Quit();

    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
    EXPECT_EQ(user.PrefsFileValues(), (Values{10, 44, 100, 100, 0, 44100, 4, 0}));
}

TEST(Prefs, ValuesAreStoredBigEndianInFileOrder)
{
    SimUser user;
    user.WritePrefsFile({1, 2, 3, 4, 5, 6, 7, 3});
    user.Start();
    user.Quit();
    const std::vector<std::uint8_t> expected = {0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4,
                                                0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0, 7, 0, 0, 0, 3};
    EXPECT_EQ(user.PrefsFileBytes(), expected);
}

struct LoadCase {
    const char* name;
    Values stored;
    std::int32_t freq1;
    std::int32_t beats1;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class PrefsLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(PrefsLoad, FixesOnlyARateOrBeatsNotAboveZero)
{
    SimUser user;
    user.WritePrefsFile(GetParam().stored);
    user.Start();
    EXPECT_EQ(GlobalPrefs::freq1, GetParam().freq1);
    EXPECT_EQ(GlobalPrefs::beats1, GetParam().beats1);
    EXPECT_EQ(GlobalPrefs::boxx, GetParam().stored[2]);
    // A frame rate the pop-up cannot show leaves "24 fps" chosen, and stored.
    const std::int32_t rate = GetParam().stored[7];
    EXPECT_EQ(GlobalPrefs::SMPTEpopup, rate >= 0 && rate <= 3 ? rate : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrefsLoad,
    testing::Values(LoadCase{"RateZero", {10, 44, 100, 100, 0, 0, 4, 0}, 44100, 4},
                    LoadCase{"RateNegative", {10, 44, 100, 100, 0, -5, 4, 0}, 44100, 4},
                    LoadCase{"BeatsZero", {10, 44, 100, 100, 0, 48000, 0, 0}, 48000, 4},
                    LoadCase{"BeatsNegative", {10, 44, 100, 100, 0, 48000, -1, 0}, 48000, 4},
                    LoadCase{"OneStaysOne", {10, 44, 100, 100, 0, 1, 1, 0}, 1, 1},
                    LoadCase{"FrameRateKept", {10, 44, 100, 100, 0, 44100, 4, 2}, 44100, 4},
                    LoadCase{"OutOfRangeKeptAsIs", {-900, 9000, -1, 77, 42, 96000, 16, 9}, 96000, 16}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST(Prefs, AShortFileReadsZeroPastItsEndThenFixesRateAndBeats)
{
    SimUser user;
    user.WritePrefsFileBytes({0, 0, 0, 50, 0, 0, 0, 60});
    user.Start();
    EXPECT_EQ(user.Window().Left(), 50);
    EXPECT_EQ(user.Window().Top(), 60);
    EXPECT_EQ(GlobalPrefs::boxx, 0);
    EXPECT_EQ(GlobalPrefs::freq1, 44100);
    EXPECT_EQ(GlobalPrefs::beats1, 4);
}

TEST(Prefs, ALongerFileIsReadForItsFirst32BytesAndSavedAs32)
{
    SimUser user;
    std::vector<std::uint8_t> bytes = {0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0, 40, 0, 0, 0, 50,
                                       0, 0, 0, 1,  0, 0, 0xBB, 0x80, 0, 0, 0, 8, 0, 0, 0, 1};
    bytes.insert(bytes.end(), {9, 9, 9, 9, 9, 9, 9, 9});
    user.WritePrefsFileBytes(bytes);
    user.Start();
    EXPECT_EQ(GlobalPrefs::freq1, 48000);
    EXPECT_EQ(GlobalPrefs::beats1, 8);
    user.Quit();
    EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
    EXPECT_EQ(user.PrefsFileValues(), (Values{20, 30, 40, 50, 1, 48000, 8, 1}));
}

TEST(Prefs, QuittingWithoutTheAboutWindowKeepsItsPosition)
{
    SimUser user;
    user.WritePrefsFile({10, 44, 321, 234, 0, 44100, 4, 0});
    user.Start();
    user.Quit();
    EXPECT_EQ(user.PrefsFileValues()[2], 321);
    EXPECT_EQ(user.PrefsFileValues()[3], 234);
}

TEST(Prefs, AWindowMovedAndClosedReopensWhereItWasLeft)
{
    SimUser user;
    user.Start();
    user.Window().Moved(240, 180);
    user.CloseWindow();
    EXPECT_FALSE(user.Running());
    EXPECT_EQ(user.PrefsFileValues()[0], 240);
    EXPECT_EQ(user.PrefsFileValues()[1], 180);

    user.Restart();
    EXPECT_EQ(user.Window().Left(), 240);
    EXPECT_EQ(user.Window().Top(), 180);
}

TEST(Prefs, AFailedSaveLeavesThePreviousFileWhole)
{
    SimUser user;
    user.WritePrefsFile({11, 22, 33, 44, 0, 44100, 4, 0});
    user.Start();
    user.Window().Moved(500, 500);
    // Where the new file would be written first stands a folder: the write fails.
    std::filesystem::path temporary = user.PrefsFilePath();
    temporary += ".tmp-" + std::to_string(::getpid());
    std::filesystem::create_directory(temporary);
    user.Quit();
    std::filesystem::remove(temporary);
    EXPECT_EQ(user.PrefsFileValues(), (Values{11, 22, 33, 44, 0, 44100, 4, 0}));
}

class EnvironmentVariable {
public:
    explicit EnvironmentVariable(const char* name) : m_name(name)
    {
        if (const char* value = std::getenv(name))
            m_saved = value;
    }
    ~EnvironmentVariable()
    {
        if (m_saved)
            ::setenv(m_name, m_saved->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(Prefs, WithoutAConfigFolderTheProgramRunsOnDefaultsAndSavesNothing)
{
    EnvironmentVariable home("HOME");
    EnvironmentVariable config("XDG_CONFIG_HOME");
    for (const char* configHome : {"", "/proc/cadenzo-cannot-be-created"}) {
        SCOPED_TRACE(configHome);
        SimUser user;
        ::unsetenv("HOME");
        ::setenv("XDG_CONFIG_HOME", configHome, 1);
        user.Start();
        EXPECT_EQ(user.Window().Left(), 10);
        EXPECT_EQ(GlobalPrefs::freq1, 44100);
        user.Quit();
        EXPECT_FALSE(std::filesystem::exists(user.PrefsFilePath()));
    }
}

TEST(Prefs, AnOpenedDocumentOnlyForgetsTheCarriedTempo)
{
    SimUser user;
    user.Start();
    user.Window().tempoglobal = 120.0;
    App().OpenDocument(fw::FolderItem("/tmp/some document.txt"));
    EXPECT_EQ(user.Window().tempoglobal, 0.0);
}

} // namespace
