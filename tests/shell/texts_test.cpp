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

TEST_F(Texts, AGettextCatalogueTranslatesWhatItHoldsAndNothingElse)
{
    // Put back at the end for the tests after this one (nullopt: LANGUAGE unset).
    const std::string folder = bindtextdomain("cadenzo", nullptr), messages = std::setlocale(LC_MESSAGES, nullptr);
    const char* set = std::getenv("LANGUAGE");
    const std::optional<std::string> language = set ? std::optional<std::string>(set) : std::nullopt;
    fw::SetLocaleDirectory(CADENZO_TEST_LOCALE_DIR);
    ::setenv("LANGUAGE", "de", 1);
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    EXPECT_EQ(Strings::NEWTEMPO(), "Neues Tempo (BPM) :");
    EXPECT_EQ(Strings::SELECTALL(), "Alles auswählen");
    EXPECT_EQ(Strings::ORIGINALTEMPO(), "Original Tempo (BPM) :");
    bindtextdomain("cadenzo", folder.c_str());
    std::setlocale(LC_MESSAGES, messages.c_str());
    language ? ::setenv("LANGUAGE", language->c_str(), 1) : ::unsetenv("LANGUAGE");
}

} // namespace
