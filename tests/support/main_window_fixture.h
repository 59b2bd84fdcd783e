#pragma once
// A start window and a main window over their own program state, as the program makes them.
#include "app/hand_over_server.h"
#include "app/program_state.h"
#include "ui/u_prog.h"
#include "ui/u_start.h"

#include <QLabel>
#include <memory>

struct MainWindowFixture {
    explicit MainWindowFixture(Language language = Language::German, const QStringList &arguments = {})
    {
        state.settings.setLanguage(language);
        start = std::make_unique<Tstart>(state);
        prog = std::make_unique<Tprog>(state, server, *start, arguments);
        start->setMainWindow(prog.get());
    }
    QString countLabel() const { return prog->findChild<QLabel *>(QStringLiteral("la_anzahl"))->text(); }

    ProgramState state;
    HandOverServer server;
    std::unique_ptr<Tstart> start;
    std::unique_ptr<Tprog> prog;
};
