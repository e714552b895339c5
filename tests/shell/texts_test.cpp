// The localisable texts: English defaults, one lookup per run, and a real
// gettext catalogue.

#include "localization.h"
#include "uistrings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace {

class Texts : public testing::Test {
protected:
    void SetUp() override { Strings::ForgetLookups(); }
    void TearDown() override
    {
        fw::SetLocalizedStringSource(nullptr);
        Strings::ForgetLookups();
    }
};

TEST_F(Texts, WithoutATranslationEachTextIsItsEnglishDefaultAskedByItsKeyOncePerRun)
{
    // A sample that covers the typos, the blanks before colons and the dots.
    const struct { std::string (*getter)(); const char *key, *english; } cases[] = {
        {Strings::LOOPLENGTHMS, "Strings.LOOPLENGTHMS", "Loop Length In Ms :"},
        {Strings::ABOUT, "Strings.ABOUT", "About Cadenzo..."},
        {Strings::TAPCOPYGLOBAL, "Strings.TAPCOPYGLOBAL", "Copy to global tempo"},
        {Strings::HELP3, "Strings.HELP3",
         "Enter the tempo of your song in BPM to get the delay in ms or the frequency to use with LFO or other "
         "hertz paramters to synchronise with your song. You can directly enter a number into the cells to obtain "
         "the tempo."},
        {Strings::HELP6, "Strings.HELP6",
         "Enter the diapason (default A3=440 Hz) to obtain notes frequancies. To show the reference note, click on any "
         "cell."},
        {Strings::HELP7, "Strings.HELP7",
         "You can add or substract two SMPTE codes, or convert one code like 90m 24s 20f to obtain 1h 30m 24s 20f"},
    };
    std::map<std::string, std::pair<std::string, int>> asked; // key: English, times
    fw::SetLocalizedStringSource([&](const std::string& key, const std::string& english) {
        asked[key] = {english, asked[key].second + 1};
        return english;
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(c.getter(), c.english);
        EXPECT_EQ(c.getter(), c.english);
        EXPECT_EQ(asked[c.key], std::pair(std::string(c.english), 1));
    }
}

// The catalogue folder, LC_MESSAGES and LANGUAGE (nullopt: unset), which
// the tests after the German one run on as before.
using Settings = std::tuple<std::string, std::string, std::optional<std::string>>;

Settings Current()
{
    const char* language = std::getenv("LANGUAGE");
    return {bindtextdomain("cadenzo", nullptr), std::setlocale(LC_MESSAGES, nullptr),
            language ? std::optional<std::string>(language) : std::nullopt};
}

TEST_F(Texts, AGettextCatalogueTranslatesWhatItHoldsAndNothingElse)
{
    const Settings before = Current();
    {
        struct PutBack {
            Settings s;
            ~PutBack()
            {
                bindtextdomain("cadenzo", std::get<0>(s).c_str());
                std::setlocale(LC_MESSAGES, std::get<1>(s).c_str());
                std::get<2>(s) ? ::setenv("LANGUAGE", std::get<2>(s)->c_str(), 1) : ::unsetenv("LANGUAGE");
            }
        } putBack{before};
        fw::SetLocaleDirectory(CADENZO_TEST_LOCALE_DIR);
        ::setenv("LANGUAGE", "de", 1);
        std::setlocale(LC_MESSAGES, "C.UTF-8");
        EXPECT_EQ(Strings::NEWTEMPO(), "Neues Tempo (BPM) :");
        EXPECT_EQ(Strings::SELECTALL(), "Alles auswählen");
        EXPECT_EQ(Strings::ORIGINALTEMPO(), "Original Tempo (BPM) :");
    }
    EXPECT_EQ(Current(), before);
}

} // namespace
