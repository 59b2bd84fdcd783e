#include "common/settings.h"
#include "config/configuration_file.h"
#include "config/ini_document.h"
#include "table/output_format.h"
#include "file_write_test_support.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString fileText(const QString &path)
{
    const QByteArray bytes = contentOf(path);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
}

IniDocument documentOf(const QString &text)
{
    return IniDocument::fromBytes(text.toUtf8());
}

// Every stored value of the settings, with the placements, looks, menu switches and order.
QStringList everything(const Settings &settings)
{
    QStringList values;
    for (const SettingDefinition &definition : settingDefinitions())
        values.append(windowPrefix(definition.window) + u'.' + QString::fromUtf8(definition.name) + u'=' +
                      settings.value(definition.window, QString::fromUtf8(definition.name)));
    values.append(settings.columnOrder());
    const MainWindowPlacement main = settings.mainPlacement();
    const WindowPlacement renamer = settings.renamerPlacement();
    values.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(main.window.maximized).arg(main.window.left)
                      .arg(main.window.top).arg(main.window.width).arg(main.window.height)
                      .arg(main.rightColumnWidth).arg(main.filesAreaHeight));
    values.append(QStringLiteral("%1 %2 %3 %4 %5").arg(renamer.maximized).arg(renamer.left).arg(renamer.top)
                      .arg(renamer.width).arg(renamer.height));
    const TextViewLook look = settings.textViewLook();
    for (const StyledFont &font : {look.font, settings.pictureFont()})
        values.append(font.font.toString() + u' ' + font.colour.name());
    values.append(look.background.name() + QString::number(look.wraps));
    for (int menuSwitch = 0; menuSwitch <= int(MenuSwitch::AutoSaveAll); ++menuSwitch)
        values.append(QString::number(settings.isOn(MenuSwitch(menuSwitch))));
    return values;
}

// A value unlike the fresh one for every setting, texts with quotes and blanks at their ends.
void changeEverything(Settings &settings)
{
    int index = 0;
    for (const SettingDefinition &definition : settingDefinitions()) {
        const QString name = QString::fromUtf8(definition.name);
        if (isSwitchKind(definition.kind)) {
            settings.setOn(definition.window, name, !settings.isOn(definition.window, name));
            continue;
        }
        const QString value = settings.value(definition.window, name);
        if (name == u"out_format") { // a fixed list: one of its items
            settings.setValue(definition.window, name, outFormatItem(OutputFormat::Csv, Language::German));
            continue;
        }
        const QString forms[] = {value + u' ', u'\'' + value + u'\'', u'"' + value + u'"', u' ' + value + u'x'};
        settings.setValue(definition.window, name, forms[index++ % 4]);
    }
    QStringList order = settings.columnOrder();
    std::reverse(order.begin(), order.end());
    settings.setColumnOrder(order);
    settings.setMainPlacement({{false, -40, 30, 900, 700}, 333, 222});
    settings.setRenamerPlacement({false, 5, 6, 400, 500});
    QFont previewFont(QStringLiteral("DejaVu Sans"), 13);
    previewFont.setBold(true);
    previewFont.setItalic(true);
    settings.setTextViewLook({{previewFont, QColor(1, 2, 3)}, QColor(200, 100, 50), true});
    QFont pictureFont(QStringLiteral("Liberation Mono"), 11);
    pictureFont.setUnderline(true);
    pictureFont.setStrikeOut(true);
    settings.setPictureFont({pictureFont, QColor(9, 8, 7)});
    for (int menuSwitch = 0; menuSwitch <= int(MenuSwitch::AutoSaveAll); ++menuSwitch)
        settings.setOn(MenuSwitch(menuSwitch), !settings.isOn(MenuSwitch(menuSwitch)));
}

} // namespace

TEST(ConfigurationFile, EverySettingSurvivesSaveAndLoad)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new/sub/all.tbx"));
    Settings saved;
    changeEverything(saved);
    saveConfiguration(saved, path);
    EXPECT_TRUE(contentOf(path).startsWith("\xFF\xFE")) << "new files are UTF-16 LE with byte-order mark";

    Settings loaded;
    loadConfiguration(loaded, path, QSize());
    EXPECT_EQ(everything(loaded), everything(saved));
    EXPECT_NE(everything(loaded), everything(Settings()));

    // A second save of the same settings changes no byte.
    const QByteArray first = contentOf(path);
    saveConfiguration(loaded, path);
    EXPECT_EQ(contentOf(path), first);
}

TEST(ConfigurationFile, QuoteGuardKeepsQuotedTextsWhole)
{
    EXPECT_EQ(guardQuotes(QStringLiteral("'x'")), QStringLiteral("''x''"));
    EXPECT_EQ(guardQuotes(QStringLiteral("\"x\"")), QStringLiteral("\"\"x\"\""));
    EXPECT_EQ(guardQuotes(QStringLiteral("'x\"")), QStringLiteral("'x\""));
    EXPECT_EQ(guardQuotes(QStringLiteral("'")), QStringLiteral("'"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("quotes.tbx"));
    const QString texts[] = {QStringLiteral("'x'"), QStringLiteral("\"x\""), QStringLiteral("'x\""),
                             QStringLiteral("; "), QString(3000, u'w')};
    for (const QString &text : texts) {
        Settings saved;
        saved.setValue(SettingsWindow::PB, QStringLiteral("des_allg_header"), text);
        saveConfiguration(saved, path);
        Settings loaded;
        loadConfiguration(loaded, path, QSize());
        EXPECT_EQ(loaded.value(SettingsWindow::PB, QStringLiteral("des_allg_header")), text);
    }
    EXPECT_TRUE(fileText(path).contains(QStringLiteral("des_allg_header=") + QString(3000, u'w') + u'\r'));
    Settings saved;
    saved.setValue(SettingsWindow::PB, QStringLiteral("act_name_ed"), QStringLiteral("'x'"));
    saveConfiguration(saved, path);
    EXPECT_TRUE(fileText(path).contains(QStringLiteral("act_name_ed=''x''\r\n")));
}

TEST(ConfigurationFile, HandEditedRadioGroupsAndMissingKeys)
{
    Settings settings;
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_ed"), QStringLiteral("mine"));
    settings.setOn(MenuSwitch::RefuseDuplicates, true);
    settings.setOn(MenuSwitch::AutoSaveAll, true);
    QFont bold(QStringLiteral("Courier New"), 8);
    bold.setBold(true);
    settings.setTextViewLook({{bold, QColor()}, QColor(), true});

    // Several "1" in a group: the last in control order wins. A group whose current button is
    // "0" and no other "1" has no button on.
    applyConfiguration(settings,
                       documentOf(QStringLiteral("[EARB]\nrb_ansi=1\nrb_utf32be=1\nrb_utf7=1\n"
                                                 "[PBRB]\ndes_grup_nein=0\n[PBCH]\nact_pfad=1\n")),
                       QSize());
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf32be")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_ansi")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf7")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::PB, QStringLiteral("des_grup_nein")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::PB, QStringLiteral("des_grup_ja")));
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, QStringLiteral("act_pfad")));

    // What the file does not hold keeps its value, except the keys with constant defaults.
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("act_size_ed")), QStringLiteral("mine"));
    EXPECT_TRUE(settings.isOn(MenuSwitch::AutoSaveAll));
    EXPECT_FALSE(settings.isOn(MenuSwitch::RefuseDuplicates));
    EXPECT_FALSE(settings.isOn(MenuSwitch::DaylightCorrection));
    EXPECT_TRUE(settings.isOn(MenuSwitch::AddFolderRows));
    EXPECT_TRUE(settings.isOn(MenuSwitch::ShowPreview));
    EXPECT_FALSE(settings.textViewLook().font.font.bold());
    EXPECT_FALSE(settings.textViewLook().wraps);

    // The column order keeps its twelve entries whatever the file holds.
    applyConfiguration(settings, documentOf(QStringLiteral("[PBRF]\nr0=05 Erstellt\nr12=13 Extra\nr-1=x\n")),
                       QSize());
    EXPECT_EQ(settings.columnOrder().size(), 12);
    EXPECT_EQ(settings.columnOrder().first(), QStringLiteral("05 Erstellt"));
}

TEST(ConfigurationFile, PlacementsStayOnTheScreen)
{
    Settings settings;
    settings.setMainPlacement({{false, 10, 10, 800, 600}, 316, 300});
    const QString file = QStringLiteral("[SP]\nPF=0\nPB=3000\nPH=700\nPT=50\nPL=-20\nPR=5000\nPO=250\n"
                                        "[SD]\nPF=0\nPB=600\nPH=2000\nPT=3000\nPL=30\n");
    applyConfiguration(settings, documentOf(file), QSize(1920, 1080));
    const MainWindowPlacement main = settings.mainPlacement();
    EXPECT_EQ(main.window, (WindowPlacement{false, -20, 50, 800, 700}));
    EXPECT_EQ(main.rightColumnWidth, 316) << "wider than the window";
    EXPECT_EQ(main.filesAreaHeight, 250);
    EXPECT_EQ(settings.renamerPlacement(), (WindowPlacement{false, 30, 0, 600, RenamerStartHeight}));

    // A maximised window keeps the size it returns to.
    applyConfiguration(settings, documentOf(QStringLiteral("[SP]\nPF=1\nPB=100\n")), QSize(1920, 1080));
    EXPECT_EQ(settings.mainPlacement().window, (WindowPlacement{true, -20, 50, 800, 700}));
}

TEST(ConfigurationFile, ProfilesHoldExactlyTheirGroups)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("size.tbx"));
    Settings settings;
    settings.setOn(SettingsWindow::PS, QStringLiteral("act_size"), true);
    saveProfile(settings, path);
    const IniDocument profile = IniDocument::fromBytes(contentOf(path));
    EXPECT_EQ(profile.sections(), (QStringList{QStringLiteral("AS"), QStringLiteral("PBCH"),
                                               QStringLiteral("PBCB"), QStringLiteral("PBED")}));
    EXPECT_EQ(profile.keys(QStringLiteral("AS")), (QStringList{QStringLiteral("N"), QStringLiteral("P"),
                                                                QStringLiteral("A")}));
    EXPECT_EQ(profile.keys(QStringLiteral("PBCH")),
              (QStringList{QStringLiteral("act_size"), QStringLiteral("act_size_rb"),
                           QStringLiteral("act_size_showunit"), QStringLiteral("act_size_1000")}));
    EXPECT_EQ(profile.keys(QStringLiteral("PBCB")),
              (QStringList{QStringLiteral("act_size_einheit"), QStringLiteral("act_size_nks")}));
    EXPECT_EQ(profile.keys(QStringLiteral("PBED")), QStringList{QStringLiteral("act_size_ed")});

    // Into a complete configuration a profile replaces only its own keys.
    const QString complete = folder.filePath(QStringLiteral("complete.tbx"));
    saveConfiguration(Settings(), complete);
    const IniDocument before = IniDocument::fromBytes(contentOf(complete));
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_einheit"), QStringLiteral("MB"));
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_name_ed"), QStringLiteral("not in the profile"));
    settings.setOn(SettingsWindow::PS, QStringLiteral("opt_order"), true);
    settings.setColumnOrder(QStringList(defaultColumnOrder(Language::German)).mid(1) << QStringLiteral("01 Dateiname"));
    saveProfile(settings, complete);
    const IniDocument after = IniDocument::fromBytes(contentOf(complete));
    EXPECT_EQ(after.sections(), before.sections());
    for (const QString &section : before.sections())
        EXPECT_EQ(after.keys(section), before.keys(section));
    EXPECT_EQ(after.readText(QStringLiteral("PBCB"), QStringLiteral("act_size_einheit"), {}), QStringLiteral("MB"));
    EXPECT_EQ(after.readText(QStringLiteral("PBED"), QStringLiteral("act_name_ed"), {}), QStringLiteral("Name"));
    EXPECT_EQ(after.readText(QStringLiteral("PBRF"), QStringLiteral("r11"), {}), QStringLiteral("01 Dateiname"));

    // Saving everything over a profile makes it complete; keys of others stay.
    QFile extra(path);
    ASSERT_TRUE(extra.open(QIODevice::Append));
    const QString mine = QStringLiteral("[Mine]\r\nkeep=me\r\n");
    extra.write(reinterpret_cast<const char *>(mine.utf16()), mine.size() * 2);
    extra.close();
    saveConfiguration(Settings(), path);
    const IniDocument completed = IniDocument::fromBytes(contentOf(path));
    const auto setOf = [](const QStringList &names) { return QSet<QString>(names.begin(), names.end()); };
    EXPECT_EQ(setOf(completed.sections()), setOf(before.sections() << QStringLiteral("Mine")));
    for (const QString &section : before.sections())
        EXPECT_EQ(setOf(completed.keys(section)), setOf(before.keys(section))) << section.toStdString();
    EXPECT_EQ(completed.readText(QStringLiteral("Mine"), QStringLiteral("keep"), {}), QStringLiteral("me"));
}

TEST(ConfigurationFile, AutomaticSaveWritesWhatTheSwitchesChoose)
{
    QTemporaryDir folder;
    const QString start = folder.filePath(QStringLiteral("Auto.tbx"));
    Settings settings;
    const auto choose = [&](MenuSwitch chosen) {
        for (const MenuSwitch each :
             {MenuSwitch::AutoSaveNever, MenuSwitch::AutoSaveAll, MenuSwitch::AutoSaveProfile})
            settings.setOn(each, each == chosen);
    };
    saveAutomatically(settings, start);
    EXPECT_FALSE(QFileInfo::exists(start));

    // The profile alone, with only the choices of the profile window: here none.
    choose(MenuSwitch::AutoSaveProfile);
    saveAutomatically(settings, start);
    const IniDocument profile = IniDocument::fromBytes(contentOf(start));
    EXPECT_EQ(profile.sections(), QStringList{QStringLiteral("AS")});
    EXPECT_EQ(profile.keyValues(QStringLiteral("AS")),
              (QStringList{QStringLiteral("N=0"), QStringLiteral("P=1"), QStringLiteral("A=0")}));
    QFile::remove(start);

    choose(MenuSwitch::AutoSaveAll);
    saveAutomatically(settings, start);
    const IniDocument complete = IniDocument::fromBytes(contentOf(start));
    for (const char *section : {"PBED", "PBCH", "PBRF", "PSCH", "SP", "FC", "ES", "AS"})
        EXPECT_TRUE(complete.sections().contains(QString::fromUtf8(section))) << section;
    EXPECT_TRUE(complete.readFlag(QStringLiteral("AS"), QStringLiteral("A"), false));
}

TEST(ConfigurationFile, ResetGivesTheStandardValuesOfTheLanguage)
{
    Settings settings;
    settings.setLanguage(Language::English);
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_ed"), QStringLiteral("Bytes"));
    settings.setOn(MenuSwitch::AddFolderRows, true);
    TextViewLook look = settings.textViewLook();
    look.wraps = true;
    look.font.font.setPointSize(14);
    settings.setTextViewLook(look);
    settings.setRenamerPlacement({true, 5, 6, 400, 500});
    resetToStandard(settings);

    EXPECT_EQ(settings.columnOrder(), defaultColumnOrder(Language::English));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("act_size_ed")), QStringLiteral("File Size"));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("des_allg_header")), QStringLiteral("File List"));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("out_format")), QStringLiteral("Text File (*.txt)"));
    // Where the reset differs from a fresh start.
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, QStringLiteral("act_pfad_kurz")));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("des_tab_z")), QStringLiteral(";"));
    EXPECT_EQ(settings.value(SettingsWindow::DU, QStringLiteral("maske")), QStringLiteral("%name%1"));
    EXPECT_EQ(settings.mainPlacement().window.width, 761);
    EXPECT_EQ(settings.mainPlacement().window.height, 614);
    // The renaming tool gets the size of a fresh start and keeps its place.
    const WindowPlacement freshRenamer = Settings().renamerPlacement();
    EXPECT_EQ(settings.renamerPlacement(),
              (WindowPlacement{false, 5, 6, freshRenamer.width, freshRenamer.height}));
    EXPECT_EQ(QSize(freshRenamer.width, freshRenamer.height), QSize(720, 780));
    // What it does not name keeps its value; the preview no longer wraps, its size stays.
    EXPECT_TRUE(settings.isOn(MenuSwitch::AddFolderRows));
    EXPECT_FALSE(settings.textViewLook().wraps);
    EXPECT_EQ(settings.textViewLook().font.font.pointSize(), 14);
    EXPECT_EQ(settings.textViewLook().background, QColor(Qt::white));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reset.tbx"));
    saveConfiguration(settings, path);
    EXPECT_TRUE(fileText(path).contains(QStringLiteral("r0=01 Filename\r\n")));
}

TEST(ConfigurationFile, AGermanFileInTheEnglishInterfaceShowsEnglishTexts)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("de.tbx"));
    saveConfiguration(Settings(), path);
    Settings english;
    english.setLanguage(Language::English);
    loadConfiguration(english, path, QSize());
    EXPECT_EQ(english.value(SettingsWindow::PB, QStringLiteral("act_size_ed")), QStringLiteral("File Size"));
    EXPECT_EQ(english.columnOrder(), defaultColumnOrder(Language::English));

    // An English file loaded into the English interface saves again byte for byte.
    const QString englishPath = folder.filePath(QStringLiteral("en.tbx"));
    saveConfiguration(english, englishPath);
    Settings again;
    again.setLanguage(Language::English);
    loadConfiguration(again, englishPath, QSize());
    saveConfiguration(again, path);
    EXPECT_EQ(contentOf(path), contentOf(englishPath));
}

TEST(ConfigurationFile, FailedSavesLeaveTheOldFileAndMissingFilesLoadDefaults)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.tbx"));
    saveConfiguration(Settings(), path);
    const QByteArray old = contentOf(path);
    Settings changed;
    changed.setValue(SettingsWindow::PB, QStringLiteral("des_allg_header"), QString(20000, u'x'));
    const QString failure = errorUnderFileSizeLimit(rlim_t(old.size()), [&] { saveConfiguration(changed, path); });
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Unable to write to ") + path)) << failure.toStdString();
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(namesIn(folder.path()), QStringList{QStringLiteral("old.tbx")});

    const QString below = folder.filePath(QStringLiteral("old.tbx/new.tbx"));
    try {
        saveConfiguration(changed, below);
        ADD_FAILURE() << "a file below a file cannot be made";
    } catch (const TabulixError &error) {
        EXPECT_TRUE(error.message().contains(below)) << error.message().toStdString();
    }

    Settings settings;
    settings.setOn(MenuSwitch::RefuseDuplicates, true);
    loadConfiguration(settings, folder.filePath(QStringLiteral("missing.tbx")), QSize());
    EXPECT_FALSE(settings.isOn(MenuSwitch::RefuseDuplicates));
}
