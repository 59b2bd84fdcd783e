// The language switch over every window: captions, the texts it keeps, the column order, the
// output rebuilt once, and Qt's own texts.
#include "collect/file_adder.h"
#include "collect_test_support.h"
#include "common/message_catalogue.h"
#include "ui/prog_captions.h"
#include "program_fixture.h"
#include "ui/qt_translations.h"
#include "ui/u_preview_pane.h"
#include "ui/u_qulist.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenuBar>
#include "ui/lines_view.h"
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a row of the main window's caption table shows on its control.
QString shownCaption(const Tprog &prog, const ControlText &text)
{
    const QString name = QString::fromUtf8(text.component);
    if (const auto *action = prog.findChild<QAction *>(name))
        return text.hint ? action->toolTip() : action->text();
    if (const auto *menu = prog.findChild<QMenu *>(name))
        return menu->title();
    const QWidget *control = prog.findChild<QWidget *>(name);
    if (!control)
        return u"(no control %1)"_s.arg(name);
    if (text.hint)
        return control->toolTip();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *caption = control->findChild<QLabel *>(name + u"_caption"_s))
        return caption->text();
    return u"(no caption on %1)"_s.arg(name);
}

void expectMainWindowCaptions(const Tprog &prog, Language language)
{
    for (const ControlText &text : progTexts())
        EXPECT_EQ(shownCaption(prog, text), progText(text, language)) << text.component;
}

QString headerText(const ProgramFixture &window, int column)
{
    return window.prog->list()->model()->headerData(column, Qt::Horizontal).toString();
}

} // namespace

TEST(LanguageSwitch, EveryWindowFollowsAndUserTextsStay)
{
    ProgramFixture window;
    QTemporaryDir folder;
    window.prog->adder().addChosenFiles({makeFile(folder.filePath(u"alpha.txt"_s), "12345")});
    Settings &settings = window.state.settings;
    const auto setPB = [&settings](const char *name, const QString &value) {
        settings.setValue(SettingsWindow::PB, QString::fromUtf8(name), value);
    };
    setPB("act_size_ed", u"Dateigröße (KB)"_s);
    setPB("act_pfad_ed", u"Ort"_s);
    settings.setOn(SettingsWindow::PB, u"des_allg_header_cb"_s, true);
    // The user's own column order: checksums first.
    QStringList order = defaultColumnOrder(Language::German);
    order.move(order.size() - 1, 0);
    settings.setColumnOrder(order);
    settings.setOn(SettingsWindow::PB, u"vor_okay"_s, false);
    QSignalSpy rebuilt(&window.prog->preview(), &PreviewPane::refreshed);
    ASSERT_EQ(headerText(window, 11), u"Prüfsummen");

    window.chooseLanguage(Language::English);

    // The main window: frame, menus, input area, count label.
    expectMainWindowCaptions(*window.prog, Language::English);
    EXPECT_EQ(window.countLabel(), countLabelText(1, Language::English));
    EXPECT_EQ(window.prog->windowTitle(), u"Tabulix - Quellwerk");
    // Column area: captions, a user-edited header, the column order from its numbers.
    EXPECT_EQ(window.control<QLabel>("Label8")->text(), u"Order of Columns");
    EXPECT_EQ(window.control<QCheckBox>("act_datum_zugegriffen")->text(), u"Date: Accessed");
    EXPECT_EQ(settings.value(SettingsWindow::PB, u"act_size_ed"_s), u"File Size (KB)");
    EXPECT_EQ(settings.value(SettingsWindow::PB, u"act_pfad_ed"_s), u"Ort");
    QStringList englishOrder = defaultColumnOrder(Language::English);
    englishOrder.move(englishOrder.size() - 1, 0);
    EXPECT_EQ(settings.columnOrder(), englishOrder);
    EXPECT_EQ(window.control<QListWidget>("des_sp_ordnung")->item(0)->text(), englishOrder.first());
    // The list's headers, but column 11 keeps the German header of the checksums.
    EXPECT_EQ(headerText(window, 3), u"File Size");
    EXPECT_EQ(headerText(window, 11), u"Prüfsummen");
    // The small dialogs, the filter, the output settings, the profile and the start window.
    EXPECT_EQ(window.message.OKalle->text(), u"OK for all");
    EXPECT_EQ(window.confirmation.Abbrechen->text(), u"Break");
    EXPECT_EQ(window.progress.Abbrechen->text(), u"Break");
    EXPECT_EQ(window.filter.alle->text(), u"All supported Formats");
    EXPECT_EQ(window.outputSettings.windowTitle(), u"Output Settings");
    EXPECT_EQ(window.profile.windowTitle(), u"Save Profile");
    EXPECT_FALSE(window.start->findChild<QLabel *>(u"en1"_s)->isHidden());
    EXPECT_TRUE(window.start->findChild<QLabel *>(u"Image1"_s)->isHidden());
    EXPECT_EQ(window.start->findChild<QLabel *>(u"spr"_s)->text(), u"en");
    // The check marks, exclusive; the preview switch as it was, the output rebuilt once anyway.
    EXPECT_TRUE(window.action("m_einst_sprache_english")->isChecked());
    EXPECT_FALSE(window.action("m_einst_sprache_deutsch")->isChecked());
    EXPECT_FALSE(settings.isOn(SettingsWindow::PB, u"vor_okay"_s));
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_TRUE(window.control<LinesView>("vor_txt")->toPlainText().contains(u"File List"));

    // Back to German with the preview on: the same windows in German, one rebuild again.
    settings.setOn(SettingsWindow::PB, u"vor_okay"_s, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.prog->preview().refreshPending(); }));
    rebuilt.clear();
    window.chooseLanguage(Language::German);
    expectMainWindowCaptions(*window.prog, Language::German);
    EXPECT_EQ(window.countLabel(), countLabelText(1, Language::German));
    EXPECT_EQ(window.filter.alle->text(), u"Alle gefundenen Dateien");
    EXPECT_EQ(window.profile.windowTitle(), u"Profil Speichern");
    EXPECT_EQ(window.confirmation.Abbrechen->text(), u"Abbrechen");
    EXPECT_EQ(window.start->findChild<QLabel *>(u"spr"_s)->text(), u"de");
    EXPECT_EQ(settings.value(SettingsWindow::PB, u"act_size_ed"_s), u"Dateigröße (KB)");
    EXPECT_EQ(settings.columnOrder(), order);
    EXPECT_TRUE(window.action("m_einst_sprache_deutsch")->isChecked());
    EXPECT_FALSE(window.action("m_einst_sprache_english")->isChecked());
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, u"vor_okay"_s));
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_TRUE(window.control<LinesView>("vor_txt")->toPlainText().contains(u"Dateiliste"));
    // Choosing the language already shown changes nothing and keeps its check mark.
    window.chooseLanguage(Language::German);
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_TRUE(window.action("m_einst_sprache_deutsch")->isChecked());
}

TEST(LanguageSwitch, SettingsAndToolsMenusInTheirOrder)
{
    ProgramFixture window;
    QStringList shown;
    for (const QAction *action : window.prog->findChild<QMenu *>(u"m_einst"_s)->actions())
        if (action->isVisible())
            shown.append(action->isSeparator()
                             ? u"—"_s
                             : (action->menu() ? action->menu()->objectName() : action->objectName()));
    EXPECT_EQ(shown.join(u' '), u"m_einst_dat m_einst_ord m_einst_doppelt — m_einst_ausgabe m_einst_filter "
                                u"m_einst_dst — m_einst_vor_hg m_einst_vor_schrift m_einst_vor_umbruch — "
                                u"m_einst_vorschau — m_einstshortcuts — m_einst_sprache");
    EXPECT_EQ(window.prog->findChild<QMenu *>(u"m_einst_sprache"_s)->actions(),
              (QList<QAction *>{window.action("m_einst_sprache_deutsch"),
                                window.action("m_einst_sprache_english")}));
    // The hidden items exist but never show.
    for (const char *hidden :
         {"m_einst_txtCodePage", "m_einst_vor_randfarbe", "m_einst_verkn", "m_einst_sendenan"})
        EXPECT_FALSE(window.action(hidden)->isVisible()) << hidden;
    const auto *margin = window.prog->findChild<QMenu *>(u"m_einst_vor_rand"_s);
    EXPECT_FALSE(margin->menuAction()->isVisible());
    EXPECT_EQ(margin->actions().first()->objectName(), u"m_rand0");
    EXPECT_EQ(margin->actions().last()->objectName(), u"m_rand100");
    EXPECT_TRUE(window.action("m_einstshortcuts")->isEnabled());
    EXPECT_EQ(window.action("m_einstshortcuts")->text(), u"Verknüpfungen mit Dateien und Ordnern..");
    // The renaming tool's window is there from the start, and so is its item.
    EXPECT_TRUE(window.action("m_tools_dateiumb")->isEnabled());
    // "Tools" follows "Konfiguration".
    QStringList menus;
    for (const QAction *action : window.prog->menuBar()->actions())
        menus.append(action->menu()->objectName());
    EXPECT_EQ(menus.indexOf(u"m_tools"_s), menus.indexOf(u"m_konfig"_s) + 1);
}

TEST(LanguageSwitch, QtStandardButtonsFollowTheLanguage)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s))
        GTEST_SKIP() << "Qt's German translation (package qt6-translations-l10n) is not installed";
    ProgramFixture window;
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    buttons.show();
    // The change of language reaches the windows as an event; the mnemonic marker aside.
    const auto cancelReads = [&buttons](const QString &text) {
        return QTest::qWaitFor(
            [&] { return buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&') == text; });
    };
    window.chooseLanguage(Language::English);
    ASSERT_TRUE(cancelReads(u"Cancel"_s));
    window.chooseLanguage(Language::German);
    EXPECT_TRUE(cancelReads(u"Abbrechen"_s));
    window.chooseLanguage(Language::English);
    EXPECT_TRUE(cancelReads(u"Cancel"_s));
}
