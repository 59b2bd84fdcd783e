#include "app/program_exit.h"

#include "app/hand_over_server.h"
#include "common/tabulix_error.h"

#include <QDebug>
#include <QScopedValueRollback>
#include <cstdlib>
#include <optional>

bool isInteractive(ExitRequest request)
{
    return request == ExitRequest::Menu || request == ExitRequest::WindowClosed;
}

ProgramExit::ProgramExit(HandOverServer &handOver, std::function<void()> save,
                         std::function<void(const QString &)> showError, QObject *parent)
    : QObject(parent), m_handOver(handOver), m_save(std::move(save)), m_showError(std::move(showError))
{
}

bool ProgramExit::endProgram(ExitRequest request)
{
    if (m_ending)
        return true;
    const bool interactive = isInteractive(request);
    // The error of an earlier attempt is still on the screen: the user answers that first.
    if (interactive && m_showingError)
        return false;
    std::optional<QString> error;
    try {
        m_save();
    } catch (const TabulixError &failure) {
        error = failure.message();
    }
    if (error && interactive) {
        const QScopedValueRollback showing(m_showingError, true);
        m_showError(*error);
        // The system may have ended the program while the error showed.
        return m_ending;
    }
    if (error)
        qCritical().noquote() << *error;
    end(error ? EXIT_FAILURE : EXIT_SUCCESS);
    return true;
}

void ProgramExit::end(int exitCode)
{
    m_ending = true;
    // A later start must not hand its paths to a program on its way out.
    m_handOver.close();
    Q_EMIT ending(exitCode);
}
