// The window and the command line agree on every language-dependent default.
#include "config/setting_sections.h"
#include "program_fixture.h"
#include "table/default_texts.h"

#include <gtest/gtest.h>

namespace {

QStringList settingsOfARun(Language language)
{
    Settings settings;
    settings.setLanguage(language);
    translateDefaultTexts(settings, language);
    return listSettings(settings);
}

} // namespace

TEST(WindowLanguage, TheWindowHoldsWhatACommandLineRunOfItsLanguageHolds)
{
    for (const Language language : {Language::German, Language::English}) {
        SCOPED_TRACE(languageCode(language).toStdString());
        ProgramFixture window(language);
        EXPECT_EQ(listSettings(window.state.settings), settingsOfARun(language));
    }

    // A switch there and back leaves the defaults of the first language.
    ProgramFixture window(Language::German);
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(listSettings(window.state.settings), settingsOfARun(Language::English));
    window.state.settings.setLanguage(Language::German);
    EXPECT_EQ(listSettings(window.state.settings), settingsOfARun(Language::German));
}
