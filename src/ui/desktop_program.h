#pragma once
// Every window of the desktop program over one program state, made in their fixed order and
// handed to each other; all live until the program ends. The program's main and the window
// tests make the program through this one object.
#include "app/program_state.h"
#include "shell/desktop_integration.h"

#include <QStringList>
#include <memory>

class HandOverServer;
class Teinstausgabe;
class Teinstshortcuts;
class Tprofilspeichern;
class Tprog;
class TRenamix;
class Tsm_achtung;
class Tsm_bearbeitung;
class Tsm_filter;
class Tsm_meldung;
class Tstart;

class DesktopProgram {
public:
    // `arguments` are the command line's without the program's path; the shortcuts window
    // writes its entries through `shell`.
    DesktopProgram(Language language, HandOverServer &handOver, const QStringList &arguments,
                   ShellIntegration shell);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram &) = delete;
    DesktopProgram &operator=(const DesktopProgram &) = delete;

    ProgramState &state() { return m_state; }
    Tstart &start() { return *m_start; }
    Tprog &mainWindow() { return *m_prog; }
    Tsm_filter &filter() { return *m_filter; }
    Tsm_bearbeitung &progress() { return *m_progress; }
    Tsm_meldung &message() { return *m_message; }
    Tsm_achtung &confirmation() { return *m_confirmation; }
    TRenamix &renamer() { return *m_renamer; }
    Teinstausgabe &outputSettings() { return *m_outputSettings; }
    Tprofilspeichern &profileWindow() { return *m_profile; }
    Teinstshortcuts &shortcutsWindow() { return *m_shortcuts; }

private:
    ProgramState m_state;
    // Destroyed in reverse: the dialogs the main window parents go before it.
    std::unique_ptr<Tstart> m_start;
    std::unique_ptr<Tprog> m_prog;
    std::unique_ptr<Tsm_filter> m_filter;
    std::unique_ptr<Tsm_bearbeitung> m_progress;
    std::unique_ptr<Tsm_meldung> m_message;
    std::unique_ptr<Tsm_achtung> m_confirmation;
    std::unique_ptr<TRenamix> m_renamer;
    std::unique_ptr<Teinstausgabe> m_outputSettings;
    std::unique_ptr<Tprofilspeichern> m_profile;
    std::unique_ptr<Teinstshortcuts> m_shortcuts;
};
