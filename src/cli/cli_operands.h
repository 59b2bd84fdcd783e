#pragma once
// The operands of tabulix-cli go through the start-up sequence of the desktop program: paths are
// added and configurations loaded in turn, so a configuration changes how later paths are added.
// Whatever cannot be read is reported as typed, and the rest is still done.
#include "app/program_state.h"
#include "app/startup_sequence.h"
#include "cli_feedback.h"
#include "collect/file_adder.h"

class CliOperands : public StartupOperations {
public:
    CliOperands(ProgramState &state, CliFeedback &feedback, const QStringList &typed);

    // Adds and loads every operand; the start configuration is never read on its own.
    void processAll();
    // Adds the files named by the lines of a list file ("-": standard input), relative lines
    // taken from the current folder; the skipped lines are counted on standard error.
    void addFileList(const QString &listFile);
    // Whether any path to list named something.
    bool anyNamed() const { return m_anyNamed; }

    void updateDaylightBias() override;
    void addPath(const QString &path) override;
    void loadConfiguration(LoadOrigin origin, const QString &path) override;
    void addConfigurationToMenu(const QString &) override {}
    void refreshPreviewIfOn() override {}
    void updateCountLabel() override {}

private:
    // The sequence hands over the operands in the order typed, each to exactly one operation.
    void takeOperand(const QString &absolute);

    ProgramState &m_state;
    CliFeedback &m_feedback;
    FileAdder m_adder;
    const QStringList m_typed;
    qsizetype m_next = 0;
    bool m_anyNamed = false;
};

// Whether any operand is a path to list rather than a configuration.
bool anyPathToList(const QStringList &operands);
