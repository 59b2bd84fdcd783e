#pragma once
// The main window with the dialogs the program hands it.
#include "main_window_fixture.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"

struct WindowWithDialogs : MainWindowFixture {
    WindowWithDialogs()
        : filter(state), progress(state, prog.get()), message(state, prog.get()),
          confirmation(state, prog.get())
    {
        prog->useDialogs(filter, progress, message, confirmation);
    }

    Tsm_filter filter;
    Tsm_bearbeitung progress;
    Tsm_meldung message;
    Tsm_achtung confirmation;
};
