#include "table/default_texts.h"
#include "table/design_choices.h"

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

TEST(DefaultTexts, DefaultTextsAreReplacedAndOwnTextsStay)
{
    Settings settings;
    set(settings, "act_size_ed", "Dateigröße (KB)");
    set(settings, "act_pfad_ed", "Größe");
    set(settings, "act_attribute_hidden_nein", "nicht versteckt");
    set(settings, "act_attribute_readonly_ja", "X");
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "act_size_ed"), QStringLiteral("File Size (KB)"));
    EXPECT_EQ(valueOf(settings, "act_pfad_ed"), QStringLiteral("Größe"));
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Type"));
    EXPECT_EQ(valueOf(settings, "des_allg_header"), QStringLiteral("File List"));
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_ja"), QStringLiteral("yes"));
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_nein"), QStringLiteral("not hidden"));
    EXPECT_EQ(valueOf(settings, "act_attribute_readonly_ja"), QStringLiteral("X"));
    EXPECT_EQ(valueOf(settings, "act_name_ed"), QStringLiteral("Name"));

    // Back to German: the longer text goes first, so "no" never breaks "not hidden".
    translateDefaultTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_nein"), QStringLiteral("nicht versteckt"));
    EXPECT_EQ(valueOf(settings, "act_size_ed"), QStringLiteral("Dateigröße (KB)"));
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Typ"));
    set(settings, "act_attribute_readonly_nein", "not read only");
    translateDefaultTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "act_attribute_readonly_nein"), QStringLiteral("nicht schreibgeschützt"));
}

TEST(DefaultTexts, TextsAlreadyInTheLanguageStayAsTheyAre)
{
    // A configuration of this language loaded into it, or a text the user wrote in it.
    Settings settings;
    set(settings, "act_format_windowstyp_ed", "Type");
    set(settings, "act_attribute_hidden_nein", "not hidden, no");
    set(settings, "act_size_ed", "Typ Type");
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Type"));
    EXPECT_EQ(valueOf(settings, "act_attribute_hidden_nein"), QStringLiteral("not hidden, no"));
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "act_format_windowstyp_ed"), QStringLiteral("Type"));
}

TEST(DefaultTexts, GroupingChoiceBecomesTheItemAtTheSamePlace)
{
    Settings settings;
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Windows Type"));
    set(settings, "des_grup", "Prüfsummen");
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Checksums"));
    set(settings, "des_grup", "Folder and File");
    translateDefaultTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Ordner und Datei"));
    // A text of neither list stays as it is.
    set(settings, "des_grup", "Größe");
    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "des_grup"), QStringLiteral("Größe"));

    EXPECT_EQ(designChoiceItems(PB::des_grup, Language::German).size(),
              designChoiceItems(PB::des_grup, Language::English).size());
    EXPECT_TRUE(isCustomChoice(designChoiceItems(PB::des_tab_z, Language::English).last()));
}

TEST(DefaultTexts, OutputFormatAndColumnOrderFollowTheLanguage)
{
    Settings settings;
    QStringList order = settings.columnOrder();
    order.move(10, 0);
    order[1] = QStringLiteral("01 Meine Namen"); // rewritten from its number
    order[2] = QStringLiteral("Spalte");         // no number: stays
    settings.setColumnOrder(order);
    set(settings, "out_format", "HTML-Tabelle (*.htm)");

    translateDefaultTexts(settings, Language::English);
    EXPECT_EQ(valueOf(settings, "out_format"), QStringLiteral("HTML-Table (*.htm)"));
    EXPECT_EQ(settings.columnOrder().mid(0, 4),
              (QStringList{QStringLiteral("11 File Path"), QStringLiteral("01 Filename"),
                           QStringLiteral("Spalte"), QStringLiteral("03 Windows Type")}));

    translateDefaultTexts(settings, Language::German);
    EXPECT_EQ(valueOf(settings, "out_format"), QStringLiteral("HTML-Tabelle (*.htm)"));
    EXPECT_EQ(settings.columnOrder().first(), QStringLiteral("11 Dateipfad"));
    EXPECT_EQ(settings.columnOrder().last(), QStringLiteral("12 Prüfsummen"));
}
