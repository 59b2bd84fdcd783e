#include "ui/language_switch.h"

#include "app/program_state.h"
#include "ui/help_menus.h"
#include "ui/qt_translations.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_einstshortcuts.h"
#include "ui/u_preview_pane.h"
#include "ui/u_profilspeichern.h"
#include "ui/u_prog.h"
#include "ui/u_renamix.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"
#include "ui/u_start.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

template <typename... Windows> void applyLanguageToEach(Windows *...windows)
{
    (windows->applyLanguage(), ...);
}

} // namespace

LanguageSwitch::LanguageSwitch(QMenu &languages, Tprog &window, Tstart &start, HelpMenus &help)
    : QObject(&languages), m_window(window), m_settings(window.state().settings), m_start(start), m_help(help)
{
    auto *exclusive = new QActionGroup(&languages);
    const auto addLanguage = [&](const char *name, Language language) {
        QAction *item = languages.addAction(QString());
        item->setObjectName(QString::fromUtf8(name));
        item->setCheckable(true);
        exclusive->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { m_settings.setLanguage(language); });
        return item;
    };
    m_einst_sprache_deutsch = addLanguage("m_einst_sprache_deutsch", Language::German);
    m_einst_sprache_english = addLanguage("m_einst_sprache_english", Language::English);
    checkCurrentLanguage();
    connect(&m_settings, &Settings::languageChanged, this, &LanguageSwitch::switchLanguage);
}

void LanguageSwitch::useWindows(const ProgramWindows &windows)
{
    m_windows.emplace(windows);
}

void LanguageSwitch::checkCurrentLanguage()
{
    (isGerman(m_settings.language()) ? m_einst_sprache_deutsch : m_einst_sprache_english)->setChecked(true);
}

void LanguageSwitch::switchLanguage()
{
    // Captions change without a refresh in between; the output is rebuilt once at the end.
    const bool previewOn = m_settings.isOn(PB::vor_okay);
    m_settings.setOn(PB::vor_okay, false);

    useQtTranslations(m_settings.language());
    m_window.applyLanguage();
    checkCurrentLanguage();
    // The windows made after the main window are handed over before it shows.
    if (m_windows) {
        const ProgramWindows &w = *m_windows;
        applyLanguageToEach(&w.outputSettings, &w.confirmation, &w.progress, &w.filter, &w.message, &m_start,
                            &w.profile);
        m_help.applyLanguageToWindows();
        applyLanguageToEach(&w.shortcuts, &w.renamer);
    }

    m_settings.setOn(PB::vor_okay, previewOn);
    PreviewPane &preview = m_window.preview();
    if (previewOn)
        preview.vor_okayClick();
    else
        preview.AktualisierenClick();
}
