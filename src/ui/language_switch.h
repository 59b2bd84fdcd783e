#pragma once
// The interface language: its items in the menu "Einstellungen", and the switch that runs every
// window's language routine once, in a fixed order, then rebuilds the output once in the new
// language. It runs on every change of the settings' language.
#include "ui/program_windows.h"

#include <QObject>
#include <optional>

class HelpMenus;
class QAction;
class QMenu;
class Settings;
class Tprog;
class Tstart;

class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    // Fills the submenu `languages`.
    LanguageSwitch(QMenu &languages, Tprog &window, Tstart &start, HelpMenus &help);

    // The windows made after the main window; they must outlive this switch.
    void useWindows(const ProgramWindows &windows);

private Q_SLOTS:
    void switchLanguage();

private:
    void checkCurrentLanguage();

    Tprog &m_window;
    Settings &m_settings;
    Tstart &m_start;
    HelpMenus &m_help;
    std::optional<ProgramWindows> m_windows;
    QAction *m_einst_sprache_deutsch = nullptr;
    QAction *m_einst_sprache_english = nullptr;
};
