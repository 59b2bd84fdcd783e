#include "cli_operands.h"

#include "collect/file_facts.h"
#include "collect/file_list_file.h"
#include "common/tabulix_error.h"
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

void CliOperands::addFileList(const QString &listFile)
{
    QStringList lines;
    try {
        lines = readFileListFile(listFile == u"-" ? QStringLiteral("/dev/stdin") : listFile);
    } catch (const TabulixError &error) {
        m_feedback.reportFailure(error.message());
        return;
    }
    // A list that was read is something to list, even when it names no file.
    m_anyNamed = true;
    const QDir current = QDir::current();
    for (QString &line : lines)
        if (!line.isEmpty())
            line = QDir::cleanPath(current.absoluteFilePath(line));
    m_adder.updateDaylightBias();
    if (const int skipped = m_adder.addListedFiles(lines); skipped > 0)
        m_feedback.note(QStringLiteral("%1: skipped %2 %3 naming no file")
                            .arg(listFile)
                            .arg(skipped)
                            .arg(skipped == 1 ? QStringLiteral("line") : QStringLiteral("lines")));
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
