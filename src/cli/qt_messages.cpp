#include "qt_messages.h"

#include <QStringList>
#include <cstdio>

namespace {

enum class Mode { Hold, Show, Drop };

Mode mode = Mode::Hold;
QStringList held;
QtMessageHandler qtHandler = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // A fatal message ends the program; Qt's own handler says why.
    if (type == QtFatalMsg || mode == Mode::Show) {
        qtHandler(type, context, message);
        return;
    }
    if (mode == Mode::Hold)
        held.append(qFormatLogMessage(type, context, message));
}

} // namespace

void holdQtMessages()
{
    mode = Mode::Hold;
    qtHandler = qInstallMessageHandler(handleMessage);
}

void releaseQtMessages(bool shown)
{
    mode = shown ? Mode::Show : Mode::Drop;
    if (shown)
        for (const QString &message : std::as_const(held))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    held.clear();
}
