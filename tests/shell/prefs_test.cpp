// The preferences file across runs, as the user meets it: first start,
// values fixed on load, odd file sizes, odd files and folders where the file
// should be, and saving that never damages it.

#include "app.h"
#include "globalprefs.h"
#include "simuser.h"
#include "startup.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

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
    // Eight bytes of 9 past the 32 that hold the values.
    user.WritePrefsFileBytes({0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0, 40, 0, 0, 0, 50, 0, 0, 0, 1,
                              0, 0, 0xBB, 0x80, 0, 0, 0, 8, 0, 0, 0, 1, 9, 9, 9, 9, 9, 9, 9, 9});
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
    temporary += ".tmp";
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

TEST(Prefs, ARelativeConfigHomeIsIgnoredAndTheFolderMadeIsPrivate)
{
    EnvironmentVariable home("HOME");
    EnvironmentVariable config("XDG_CONFIG_HOME");
    SimUser user;
    const fs::path folder = user.PrefsFilePath().parent_path();
    fs::create_directory(folder / "home");
    ::setenv("HOME", (folder / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative-config", 1);
    const fs::path workingFolder = fs::current_path();
    fs::current_path(folder);
    user.Start();
    user.Quit();
    fs::current_path(workingFolder);

    EXPECT_FALSE(fs::exists(folder / "relative-config"));
    EXPECT_EQ(fs::file_size(folder / "home/.config/Cadenzo Prefs"), 32u);
    EXPECT_EQ(fs::status(folder / "home/.config").permissions(), fs::perms::owner_all);
}

// ---- Odd files and folders: the program starts, and the user's file stays ----

// A step that hangs, as opening a FIFO for reading would, ends the test
// program with a message.
class TimeLimit {
public:
    explicit TimeLimit(unsigned seconds)
    {
        std::signal(SIGALRM, [](int) {
            const char message[] = "FAILED: time limit reached, the program hangs\n";
            (void)!::write(STDERR_FILENO, message, sizeof message - 1);
            ::_exit(1);
        });
        ::alarm(seconds);
    }
    ~TimeLimit() { ::alarm(0); }
};

std::set<std::string> FolderEntries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct OddItemCase {
    const char* name;
    std::function<void(const fs::path&)> make;
    fs::file_type type; // what stands there, not following a link
};

void PrintTo(const OddItemCase& c, std::ostream* os) { *os << c.name; }

class PrefsOddItem : public testing::TestWithParam<OddItemCase> {};

TEST_P(PrefsOddItem, StartsOnTheDefaultsAndLeavesItAsItWas)
{
    SimUser user;
    GetParam().make(user.PrefsFilePath());
    {
        TimeLimit limit(10);
        user.Start();
        EXPECT_EQ(user.Window().Left(), 10);
        EXPECT_EQ(GlobalPrefs::freq1, 44100);
        user.Window().Moved(240, 180);
        user.Quit();
    }
    EXPECT_EQ(fs::symlink_status(user.PrefsFilePath()).type(), GetParam().type);
    EXPECT_EQ(FolderEntries(user.PrefsFilePath().parent_path()), std::set<std::string>{"Cadenzo Prefs"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrefsOddItem,
    testing::Values(
        OddItemCase{"AFolder", [](const fs::path& p) { fs::create_directory(p); }, fs::file_type::directory},
        OddItemCase{"AFifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }, fs::file_type::fifo},
        OddItemCase{"ALinkToDevZero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
                    fs::file_type::symlink}),
    [](const testing::TestParamInfo<OddItemCase>& info) { return info.param.name; });

TEST(Prefs, AHugeFileIsReadForItsFirst32BytesOnly)
{
    SimUser user;
    user.WritePrefsFile({240, 180, 100, 100, 3, 48000, 8, 2});
    fs::resize_file(user.PrefsFilePath(), 2ull << 30); // 2 GiB, sparse
    TimeLimit limit(5);
    user.Start();
    EXPECT_EQ(user.Window().Left(), 240);
    EXPECT_EQ(GlobalPrefs::freq1, 48000);
}

TEST(Prefs, ASaveCutShortLeavesOneTemporaryFileThatTheNextSaveReuses)
{
    SimUser user;
    const fs::path folder = user.PrefsFilePath().parent_path();
    // What a save killed before its rename leaves: a complete temporary file.
    std::ofstream(folder / "Cadenzo Prefs.tmp") << "stale";
    user.Start();
    user.Quit();
    user.Restart();
    user.Window().Moved(240, 180);
    user.Quit();
    EXPECT_EQ(FolderEntries(folder), std::set<std::string>{"Cadenzo Prefs"});
    EXPECT_EQ(user.PrefsFileValues()[0], 240);
}

TEST(Prefs, ALinkedFileIsSavedThroughTheLink)
{
    SimUser user;
    // As a dotfile manager links it: relatively, into a folder of its own.
    const fs::path folder = user.PrefsFilePath().parent_path();
    fs::create_directories(folder / "dotfiles/cadenzo");
    const fs::path target = folder / "dotfiles/cadenzo/Cadenzo Prefs";
    user.WritePrefsFile({50, 60, 100, 100, 0, 44100, 4, 0});
    fs::rename(user.PrefsFilePath(), target);
    fs::create_symlink("dotfiles/cadenzo/Cadenzo Prefs", user.PrefsFilePath());

    user.Start();
    EXPECT_EQ(user.Window().Left(), 50);
    user.Window().Moved(240, 180);
    user.Quit();

    EXPECT_TRUE(fs::is_symlink(user.PrefsFilePath()));
    EXPECT_EQ(user.PrefsFileValues()[0], 240);
    EXPECT_EQ(FolderEntries(target.parent_path()), std::set<std::string>{"Cadenzo Prefs"});
}

// Runs `scenario` as an ordinary user, who cannot read a file without read
// permission. Root can: as root it runs in a child process as `nobody`.
void AsOrdinaryUser(const std::function<void()>& scenario)
{
    if (::geteuid() != 0)
        return scenario();
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        GTEST_SKIP() << "running as root, which reads every file, and there is no user nobody to run as";
    std::fflush(nullptr);
    pid_t child = ::fork();
    if (child == 0) {
        bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0
                       && ::setuid(nobody->pw_uid) == 0;
        ::prctl(PR_SET_DUMPABLE, 1); // the sanitizers read /proc/self
        if (dropped)
            scenario();
        std::fflush(nullptr);
        ::_exit(dropped && !testing::Test::HasFailure() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failed as the user nobody (see above)";
}

TEST(Prefs, AFileTheUserCannotReadOrMayNotReplaceIsKept)
{
    AsOrdinaryUser([] {
        const struct {
            const char* name;
            fs::perms removed; // from the file, or with `folder` from its folder
            bool folder;
            bool readable;
        } cases[] = {
            {"unreadable file", fs::perms::owner_read, false, false},
            {"file with no permission", fs::perms::owner_read | fs::perms::owner_write, false, false},
            {"read-only file", fs::perms::owner_write, false, true},
            {"read-only folder", fs::perms::owner_write, true, true},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            SimUser user;
            user.WritePrefsFile({50, 60, 100, 100, 0, 48000, 4, 0});
            const fs::path item = c.folder ? user.PrefsFilePath().parent_path() : user.PrefsFilePath();
            const fs::perms before = fs::status(item).permissions();
            fs::permissions(item, c.removed | fs::perms::group_all | fs::perms::others_all,
                            fs::perm_options::remove);
            user.Start();
            EXPECT_EQ(user.Window().Left(), c.readable ? 50 : 10);
            user.Window().Moved(240, 180);
            user.Quit();
            fs::permissions(item, before);
            EXPECT_EQ(user.PrefsFileValues(), (Values{50, 60, 100, 100, 0, 48000, 4, 0}));
        }
    });
}

} // namespace
