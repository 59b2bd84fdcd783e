#include "ui/desktop_program.h"

#include "ui/u_einstausgabe.h"
#include "ui/u_einstshortcuts.h"
#include "ui/u_profilspeichern.h"
#include "ui/u_prog.h"
#include "ui/u_renamix.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"
#include "ui/u_start.h"

DesktopProgram::DesktopProgram(Language language, HandOverServer &handOver, const QStringList &arguments,
                               ShellIntegration shell)
{
    // The windows take their captions from the language when they are made.
    m_state.settings.setLanguage(language);
    m_start = std::make_unique<Tstart>(m_state);
    m_prog = std::make_unique<Tprog>(m_state, handOver, *m_start, arguments);
    m_start->setMainWindow(m_prog.get());
    m_filter = std::make_unique<Tsm_filter>(m_state);
    m_progress = std::make_unique<Tsm_bearbeitung>(m_state, m_prog.get());
    m_message = std::make_unique<Tsm_meldung>(m_state, m_prog.get());
    m_confirmation = std::make_unique<Tsm_achtung>(m_state, m_prog.get());
    m_renamer = std::make_unique<TRenamix>(m_state);
    m_renamer->useMessageWindow(*m_message);
    m_outputSettings = std::make_unique<Teinstausgabe>(m_state);
    m_profile = std::make_unique<Tprofilspeichern>(m_state);
    m_shortcuts = std::make_unique<Teinstshortcuts>(m_state, std::move(shell));
    m_prog->useWindows({*m_filter, *m_progress, *m_message, *m_confirmation, *m_outputSettings, *m_profile,
                        *m_renamer, *m_shortcuts});
}

DesktopProgram::~DesktopProgram() = default;
