#include "cli_operands.h"

#include "collect/file_facts.h"
#include "setting_steps.h"

#include <QDir>

CliOperands::CliOperands(ProgramState &state, CliFeedback &feedback, const QStringList &typed)
    : m_state(state), m_feedback(feedback), m_adder(state, feedback, nullptr), m_typed(typed)
{
}

void CliOperands::processAll()
{
    const QStringList absolute =
        withAbsolutePaths(QStringList{QString()} + m_typed, QDir::currentPath()).mid(1);
    // No start configuration: the command line reads one only when --config names it.
    processCommandLine(absolute, QString(), *this);
}

void CliOperands::updateDaylightBias()
{
    m_adder.updateDaylightBias();
}

void CliOperands::addPath(const QString &path)
{
    takeOperand(path);
    m_anyNamed = pathExists(path) || m_anyNamed;
    m_adder.addPath(path);
}

void CliOperands::loadConfiguration(LoadOrigin, const QString &path)
{
    takeOperand(path);
    if (const QString reason = loadNamedConfiguration(m_state.settings, path); !reason.isEmpty())
        m_feedback.reportUnreadable(path, reason);
}

void CliOperands::takeOperand(const QString &absolute)
{
    m_feedback.setOperand(m_typed.value(m_next++), absolute);
}

bool anyPathToList(const QStringList &operands)
{
    return std::any_of(operands.begin(), operands.end(),
                       [](const QString &operand) { return !isConfigurationArgument(operand); });
}
