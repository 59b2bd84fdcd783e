// The interface language: the language items of the menu "Einstellungen", the switch that runs
// every window's language routine, and the menu "Tools".
#include "app/program_state.h"
#include "ui/qt_translations.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_einstshortcuts.h"
#include "ui/u_fault_report.h"
#include "ui/u_help.h"
#include "ui/u_preview_pane.h"
#include "ui/u_profilspeichern.h"
#include "ui/u_prog.h"
#include "ui/u_renamix.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"
#include "ui/u_start.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

// Every window that has been handed over, in the order given; the others are not there yet.
template <typename... Windows> void applyLanguageToEach(Windows *...windows)
{
    ((windows ? windows->applyLanguage() : void()), ...);
}

QAction *addNamedAction(QMenu *menu, const QString &name)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

// Items kept for the names they give, never shown: the text code page, the preview margin
// and its colour, and the two shell entries that the shortcuts window replaces.
void addHiddenItems(QMenu *settingsMenu)
{
    for (const char *name : {"m_einst_txtCodePage", "m_einst_vor_randfarbe"})
        addNamedAction(settingsMenu, QString::fromUtf8(name))->setVisible(false);
    QMenu *margin = settingsMenu->addMenu(QString());
    margin->setObjectName(QStringLiteral("m_einst_vor_rand"));
    margin->menuAction()->setVisible(false);
    for (int percent = 0; percent <= 100; percent += 10)
        addNamedAction(margin, QStringLiteral("m_rand%1").arg(percent));
    for (const char *name : {"m_einst_verkn", "m_einst_sendenan"})
        addNamedAction(settingsMenu, QString::fromUtf8(name))->setVisible(false);
}

} // namespace

void Tprog::addShortcutsAndLanguageItems(QMenu *settingsMenu)
{
    connect(addNamedAction(settingsMenu, QStringLiteral("m_einstshortcuts")), &QAction::triggered, this,
            [this] {
                if (!m_shortcutsWindow)
                    return;
                m_shortcutsWindow->show();
                m_shortcutsWindow->raise();
                m_shortcutsWindow->activateWindow();
            });
    settingsMenu->addSeparator();

    QMenu *languages = settingsMenu->addMenu(QString());
    languages->setObjectName(QStringLiteral("m_einst_sprache"));
    auto *exclusive = new QActionGroup(languages);
    const auto addLanguage = [&](const char *name, Language language) {
        QAction *item = addNamedAction(languages, QString::fromUtf8(name));
        item->setCheckable(true);
        exclusive->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, language] { m_state.settings.setLanguage(language); });
        return item;
    };
    m_einst_sprache_deutsch = addLanguage("m_einst_sprache_deutsch", Language::German);
    m_einst_sprache_english = addLanguage("m_einst_sprache_english", Language::English);
    addHiddenItems(settingsMenu);
}

void Tprog::useShortcutsWindow(Teinstshortcuts &window)
{
    m_shortcutsWindow = &window;
}

void Tprog::buildToolsMenu()
{
    QMenu *tools = menuBar()->addMenu(QString());
    tools->setObjectName(QStringLiteral("m_tools"));
    // Enabled once the renaming tool is handed over.
    m_tools_dateiumb = addNamedAction(tools, QStringLiteral("m_tools_dateiumb"));
    m_tools_dateiumb->setEnabled(false);
    connect(m_tools_dateiumb, &QAction::triggered, this, [this] {
        m_renamer->show();
        m_renamer->raise();
        m_renamer->activateWindow();
    });
}

void Tprog::useRenamer(TRenamix &window)
{
    m_renamer = &window;
    m_tools_dateiumb->setEnabled(true);
}

void Tprog::sprachealles()
{
    // Captions change without a refresh in between; the output is rebuilt once at the end.
    const QString vor_okay = QStringLiteral("vor_okay");
    const bool previewOn = m_state.settings.isOn(SettingsWindow::PB, vor_okay);
    m_state.settings.setOn(SettingsWindow::PB, vor_okay, false);

    useQtTranslations(m_state.settings.language());
    applyLanguage();
    applyLanguageToEach(m_outputSettings, m_confirmation, m_progress, m_filter, m_message, &m_start,
                        m_profileWindow, m_helpWindow, m_reportWindow, m_shortcutsWindow, m_renamer);

    m_state.settings.setOn(SettingsWindow::PB, vor_okay, previewOn);
    if (previewOn)
        m_preview->vor_okayClick();
    else
        m_preview->AktualisierenClick();
}
