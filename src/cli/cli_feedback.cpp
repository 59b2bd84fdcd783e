#include "cli_feedback.h"

#include "standard_output.h"

#include <QTextStream>
#include <unistd.h>

CliFeedback::CliFeedback() : m_terminal(isatty(STDERR_FILENO) != 0) {}

void CliFeedback::showProgress(const ProgressText &text)
{
    if (m_terminal)
        QTextStream(stderr) << '\r' << shownOn(STDERR_FILENO, text.title + u": " + text.line3) << "\033[K";
}

void CliFeedback::hideProgress()
{
    if (m_terminal)
        QTextStream(stderr) << "\r\033[K";
}

void CliFeedback::reportUnreadable(const QString &path, int error)
{
    reportUnreadable(path, errorReason(error));
}

void CliFeedback::reportUnreadable(const QString &path, const QString &reason)
{
    m_anyUnreadable = true;
    QString shown = path;
    if (path == m_absolute || path.startsWith(m_absolute + u'/')) {
        QString below = path.mid(m_absolute.size());
        if (m_typed.endsWith(u'/') && below.startsWith(u'/'))
            below.remove(0, 1);
        shown = m_typed + below;
    }
    hideProgress();
    QTextStream(stderr) << "tabulix-cli: cannot access '" << shownOn(STDERR_FILENO, shown)
                        << "': " << shownOn(STDERR_FILENO, reason) << '\n';
}

void CliFeedback::reportFailure(const QString &message)
{
    m_anyUnreadable = true;
    note(message);
}

void CliFeedback::note(const QString &message)
{
    hideProgress();
    QTextStream(stderr) << "tabulix-cli: " << shownOn(STDERR_FILENO, message) << '\n';
}

void CliFeedback::setOperand(const QString &typed, const QString &absolute)
{
    m_typed = typed;
    m_absolute = absolute;
}
