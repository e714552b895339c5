// The preferences file across runs, as the user meets it: first start,
// values fixed on load, odd file sizes, odd files and folders where the file
// should be, and saving that never damages it.

#include "globalprefs.h"
#include "simuser.h"
#include "timelimit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <tuple>

#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

using Values = std::array<std::int32_t, 8>;

// Everything in the folder, as paths relative to it.
std::set<std::string> Entries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

TEST(Prefs, AStoredFileIsReadFixedAndWrittenBackAs32BigEndianBytes)
{
    // stored: none for no file; loaded, and saved at quit; size: the file grown to it.
    struct { const char* name; std::vector<std::int32_t> stored; Values loaded; std::uintmax_t size = 0; } const cases[] = {
        {"no file: the defaults", {}, {10, 44, 100, 100, 0, 44100, 4, 0}},
        {"each value in its place", {1, 2, 3, 4, 5, 6, 7, 3}, {1, 2, 3, 4, 5, 6, 7, 3}},
        {"rate 0, beats negative", {10, 44, 100, 100, 0, 0, -1, 0}, {10, 44, 100, 100, 0, 44100, 4, 0}},
        {"rate negative, beats 0", {10, 44, 100, 100, 0, -5, 0, 0}, {10, 44, 100, 100, 0, 44100, 4, 0}},
        {"rate and beats 1 stay", {10, 44, 100, 100, 0, 1, 1, 0}, {10, 44, 100, 100, 0, 1, 1, 0}},
        {"out of range kept, tab and frame rate not", {-900, 9000, -1, 77, 42, 96000, 16, 9}, {-900, 9000, -1, 77, 0, 96000, 16, 0}},
        {"tab and frame rate below range", {10, 44, 100, 100, -1, 44100, 4, -1}, {10, 44, 100, 100, 0, 44100, 4, 0}},
        {"short: zero past its end", {50, 60}, {50, 60, 0, 0, 0, 44100, 4, 0}},
        {"huge: its first 32 bytes", {240, 180, 100, 100, 3, 48000, 8, 2}, {240, 180, 100, 100, 3, 48000, 8, 2}, 2ull << 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        if (!c.stored.empty())
            user.WritePrefsFileValues(c.stored);
        if (c.size != 0)
            fs::resize_file(user.PrefsFilePath(), c.size); // sparse
        TimeLimit limit(10);
        user.Start();
        using namespace GlobalPrefs;
        EXPECT_EQ((Values{user.Window().Left(), user.Window().Top(), boxx, boxy, tabactive, freq1, beats1, SMPTEpopup}), c.loaded);
        user.Quit();
        EXPECT_EQ(user.PrefsFileBytes().size(), 32u);
        EXPECT_EQ(user.PrefsFileValues(), c.loaded);
    }
}

const Values kStored = {50, 60, 100, 100, 0, 48000, 4, 0};
const Values kMoved = {240, 180, 100, 100, 0, 48000, 4, 0};

void Write(SimUser& user) { user.WritePrefsFileValues({kStored.begin(), kStored.end()}); }

// Where the program writes the new file first, before it takes the old one's place.
fs::path Temporary(const SimUser& user) { return user.PrefsFilePath().string() + ".tmp"; }

TEST(Prefs, AnOddItemWhereTheFileGoesIsKeptAndNothingIsLeftBehind)
{
    using fs::file_type, fs::perms;
    // type: what stands there after the program closes, not following a link; read: the window opens at
    // the stored place; saved: at the moved place, when a file; removed: from the file, or its folder.
    struct Case { const char* name; void (*make)(SimUser&); fs::file_type type; bool read, saved; fs::perms removed = perms::none; bool folder = false; };
    const Case cases[] = {
        {"a folder", [](SimUser& u) { fs::create_directory(u.PrefsFilePath()); }, file_type::directory, false, false},
        {"a FIFO", [](SimUser& u) { ::mkfifo(u.PrefsFilePath().c_str(), 0600); }, file_type::fifo, false, false},
        {"a link to /dev/zero", [](SimUser& u) { fs::create_symlink("/dev/zero", u.PrefsFilePath()); },
         file_type::symlink, false, false},
        {"a link into a dotfiles folder, as a dotfile manager makes it, saved through it",
         [](SimUser& u) {
             fs::create_directories(u.PrefsFilePath().parent_path() / "dotfiles");
             Write(u);
             fs::rename(u.PrefsFilePath(), u.PrefsFilePath().parent_path() / "dotfiles/Cadenzo Prefs");
             fs::create_symlink("dotfiles/Cadenzo Prefs", u.PrefsFilePath());
         },
         file_type::symlink, true, true},
        {"a file its group may read: replaced, readable as before",
         [](SimUser& u) { Write(u); fs::permissions(u.PrefsFilePath(), perms::owner_read | perms::owner_write | perms::group_read); },
         file_type::regular, true, true},
        {"the temporary file a killed save left, used up",
         [](SimUser& u) { Write(u); std::ofstream(Temporary(u)) << "stale"; }, file_type::regular, true, true},
        {"a folder in the temporary file's place: the save fails",
         [](SimUser& u) { Write(u); fs::create_directory(Temporary(u)); }, file_type::regular, true, false},
        {"an unreadable file", Write, file_type::regular, false, false, perms::owner_read},
        {"a read-only file", Write, file_type::regular, true, false, perms::owner_write},
        {"a read-only folder", Write, file_type::regular, true, false, perms::owner_write, true},
    };
    // An ordinary user cannot read a file without read permission; root can, so root runs this as nobody.
    const passwd* nobody = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (::geteuid() == 0 && nobody == nullptr)
        GTEST_SKIP() << "running as root, which reads every file, and there is no user nobody to run as";
    const gid_t group = ::getegid();
    ASSERT_TRUE(nobody == nullptr || (::setegid(nobody->pw_gid) == 0 && ::seteuid(nobody->pw_uid) == 0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        c.make(user);
        const fs::path file = user.PrefsFilePath(), folder = file.parent_path(), item = c.folder ? folder : file;
        std::set<std::string> before = Entries(folder);
        if (fs::is_regular_file(Temporary(user)))
            before.erase(Temporary(user).filename().string());
        const auto mode = fs::is_regular_file(file) ? std::optional(fs::status(file).permissions()) : std::nullopt;
        if (c.removed != perms::none)
            fs::permissions(item, c.removed, fs::perm_options::remove);
        TimeLimit limit(10);
        user.Start();
        EXPECT_EQ(user.Window().Left(), c.read ? 50 : 10);
        user.Window().Moved(240, 180);
        user.CloseWindow();
        if (c.removed != perms::none)
            fs::permissions(item, c.removed, fs::perm_options::add);
        EXPECT_EQ(fs::symlink_status(file).type(), c.type);
        EXPECT_EQ(Entries(folder), before);
        if (mode) {
            EXPECT_EQ(user.PrefsFileValues(), c.saved ? kMoved : kStored);
            EXPECT_EQ(fs::status(file).permissions(), *mode);
        }
    }
    EXPECT_TRUE(nobody == nullptr || (::seteuid(0) == 0 && ::setegid(group) == 0));
    ::prctl(PR_SET_DUMPABLE, 1); // the sanitizers read /proc/self at exit
}

TEST(Prefs, TwoInstancesQuittingAtOnceLeaveOneOfTheirFilesWhole)
{
    // Each instance has every value its own at each quit; this process reads the file meanwhile.
    const Values own[] = {{50, 60, 70, 80, 1, 22050, 3, 1}, {240, 180, 110, 120, 2, 96000, 8, 3}};
    SimUser user;
    TimeLimit limit(120);
    std::fflush(nullptr);
    for (const Values& values : own) {
        if (::fork() == 0) {
            using namespace GlobalPrefs;
            for (int run = 0; run < 150; ++run) {
                user.Restart();
                user.Window().Moved(values[0], values[1]);
                user.ChooseTab(user.Get<fw::TabPanel>("TabPanel1").Tabs()[values[4]]);
                std::tie(boxx, boxy, freq1, beats1, SMPTEpopup) = std::tuple(values[2], values[3], values[5], values[6], values[7]);
                user.Quit();
            }
            std::fflush(nullptr);
            ::_exit(testing::Test::HasFailure() ? 1 : 0);
        }
    }
    int reads = 0;
    for (int running = 2, status = 0; running > 0;) {
        // Once saved, the file is always there, whole: a rename replaces it.
        if (fs::exists(user.PrefsFilePath())) {
            ++reads;
            const Values read = user.PrefsFileValues();
            ASSERT_TRUE(user.PrefsFileBytes().size() == 32u && (read == own[0] || read == own[1])) << "torn or mixed, read " << reads;
        }
        if (::waitpid(-1, &status, WNOHANG) > 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "an instance failed (see above)";
            --running;
        }
    }
    EXPECT_GT(reads, 0);
    EXPECT_EQ(Entries(user.PrefsFilePath().parent_path()), std::set<std::string>{"Cadenzo Prefs"});
}

TEST(Prefs, AConfigFolderThatCannotBeUsedRunsOnTheDefaultsAndARelativeOneIsIgnored)
{
    // Each SimUser sets XDG_CONFIG_HOME afresh; HOME and the working folder are put back at the end.
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const fs::path workingFolder = fs::current_path();
    // home: HOME set to the folder "home", or unset; after: in the test's folder, the working folder.
    const struct { const char* name; bool home; const char* config; std::set<std::string> after; } cases[] = {
        {"no folder at all", false, "", {"home"}},
        {"a folder that cannot be made", false, "/proc/cadenzo-cannot-be-created", {"home"}},
        {"a relative XDG_CONFIG_HOME", true, "relative-config", {"home", "home/.config", "home/.config/Cadenzo Prefs"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimUser user;
        const fs::path folder = user.PrefsFilePath().parent_path();
        fs::create_directory(folder / "home");
        c.home ? ::setenv("HOME", (folder / "home").c_str(), 1) : ::unsetenv("HOME");
        ::setenv("XDG_CONFIG_HOME", c.config, 1);
        fs::current_path(folder);
        user.Start();
        EXPECT_EQ(user.Window().Left(), 10);
        user.Quit();
        fs::current_path(workingFolder);
        EXPECT_EQ(Entries(folder), c.after);
        EXPECT_EQ(fs::status(folder / "home/.config").permissions(), c.home ? fs::perms::owner_all : fs::perms::unknown);
    }
    home.empty() ? ::unsetenv("HOME") : ::setenv("HOME", home.c_str(), 1);
}

} // namespace
