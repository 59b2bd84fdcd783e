#include "table/design_captions.h"
#include "table/design_translation.h"

#include <gtest/gtest.h>

namespace {

QString valueOf(const Settings &settings, const char *name)
{
    return settings.value(SettingsWindow::PB, QString::fromUtf8(name));
}

void set(Settings &settings, const char *name, const char *value)
{
    settings.setValue(SettingsWindow::PB, QString::fromUtf8(name), QString::fromUtf8(value));
}

} // namespace

TEST(DesignTranslation, DefaultTextsAreReplacedAndOwnTextsStay)
{
    Settings settings;
    set(settings, "act_size_ed", "Dateigröße (KB)");
    set(settings, "act_pfad_ed", "Größe");
    set(settings, "act_attribute_hidden_nein", "nicht versteckt");
    set(settings, "act_attribute_readonly_ja", "X");
    translateDesignTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "act_size_ed"), QStringLiteral("File Size (KB)"));
    EXPECT_EQ(valueOf(settings, "act_pfad_ed"), QStringLiteral("Größe"));
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Type"));
    EXPECT_EQ(valueOf(settings, "des_allg_header"), QStringLiteral("File List"));
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_ja"), QStringLiteral("yes"));
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_nein"), QStringLiteral("not hidden"));
    EXPECT_EQ(valueOf(settings, "act_attribute_readonly_ja"), QStringLiteral("X"));
    EXPECT_EQ(valueOf(settings, "act_name_ed"), QStringLiteral("Name"));

    // Back to German: the longer text goes first, so "no" never breaks "not hidden".
    translateDesignTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_nein"), QStringLiteral("nicht versteckt"));
    EXPECT_EQ(valueOf(settings, "act_size_ed"), QStringLiteral("Dateigröße (KB)"));
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Typ"));
    set(settings, "act_attribute_readonly_nein", "not read only");
    translateDesignTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "act_attribute_readonly_nein"), QStringLiteral("nicht schreibgeschützt"));
}

TEST(DesignTranslation, GroupingChoiceBecomesTheItemAtTheSamePlace)
{
    Settings settings;
    translateDesignTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Windows Type"));
    set(settings, "des_grup", "Prüfsummen");
    translateDesignTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Checksums"));
    set(settings, "des_grup", "Folder and File");
    translateDesignTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Ordner und Datei"));
    // A text of neither list stays as it is.
    set(settings, "des_grup", "Größe");
    translateDesignTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Größe"));

    EXPECT_EQ(designChoiceItems(QStringLiteral("des_grup"), Language::German).size(),
              designChoiceItems(QStringLiteral("des_grup"), Language::English).size());
    EXPECT_TRUE(isCustomChoice(designChoiceItems(QStringLiteral("des_tab_z"), Language::English).last()));
}
