// The localisable texts: English defaults, one lookup per run, and a real
// gettext catalogue.

#include "localization.h"
#include "simuser.h"
#include "uistrings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <map>
#include <optional>
#include <string>

namespace {

std::optional<std::string> Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

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
    const struct {
        std::string (*getter)();
        const char* key;
        const char* english;
    } cases[] = {
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

TEST_F(Texts, AnEmptyTranslationIsShownEmpty)
{
    SimUser user;
    fw::SetLocalizedStringSource([](const std::string& key, const std::string& english) {
        return key == "Strings.NEWTEMPO" ? std::string() : english;
    });
    user.Start();
    EXPECT_EQ(user.Text("StaticText2"), "");
    EXPECT_EQ(user.Text("StaticText1"), "Original Tempo (BPM) :");
}

// The test catalogue in German for one scope; the locale, LANGUAGE and the
// catalogue folder the tests after it run on are as they were.
class German {
public:
    German()
    {
        fw::SetLocaleDirectory(CADENZO_TEST_LOCALE_DIR);
        ::setenv("LANGUAGE", "de", 1);
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    ~German()
    {
        bindtextdomain("cadenzo", m_folder.c_str());
        m_language ? ::setenv("LANGUAGE", m_language->c_str(), 1) : ::unsetenv("LANGUAGE");
        std::setlocale(LC_MESSAGES, m_locale.c_str());
    }
    German(const German&) = delete;
    German& operator=(const German&) = delete;

private:
    const std::string m_folder = bindtextdomain("cadenzo", nullptr);
    const std::optional<std::string> m_language = Environment("LANGUAGE");
    const std::string m_locale = std::setlocale(LC_MESSAGES, nullptr);
};

TEST_F(Texts, AGettextCatalogueTranslatesWhatItHoldsAndNothingElse)
{
    const std::string folder = bindtextdomain("cadenzo", nullptr);
    const std::optional<std::string> language = Environment("LANGUAGE");
    const std::string locale = std::setlocale(LC_MESSAGES, nullptr);
    {
        German german;
        EXPECT_EQ(Strings::NEWTEMPO(), "Neues Tempo (BPM) :");
        EXPECT_EQ(Strings::SELECTALL(), "Alles auswählen");
        EXPECT_EQ(Strings::ORIGINALTEMPO(), "Original Tempo (BPM) :");
    }
    EXPECT_EQ(bindtextdomain("cadenzo", nullptr), folder);
    EXPECT_EQ(Environment("LANGUAGE"), language);
    EXPECT_EQ(std::setlocale(LC_MESSAGES, nullptr), locale);
}

} // namespace
