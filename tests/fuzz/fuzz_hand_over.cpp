// The hand-over between two starts: any body a local socket delivers, and any command line in
// it. What one start sends, the other reads back unchanged.
#include "app/hand_over.h"
#include "fuzz_support.h"

#include <QDataStream>

namespace {

void checkSending(qint64 pid, const QStringList &arguments)
{
    if (!canHandOver(arguments))
        return;
    const QString line = quotedCommandLine(arguments);
    check(parseQuotedArguments(line) == arguments, "quoted arguments read back");
    const QByteArray message = handOverMessage(pid, line);
    if (message.isEmpty())
        return;
    QDataStream in(message);
    quint32 length = 0;
    in >> length;
    check(length == message.size() - sizeof(quint32), "the length prefix counts the body");
    const std::optional<HandOverRequest> request = parseHandOverBody(message.mid(sizeof(quint32)));
    check(request && request->pid == pid && request->commandLine == line, "a sent request reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    if (const std::optional<HandOverRequest> request = parseHandOverBody(bytes))
        parseQuotedArguments(request->commandLine);
    const QStringList arguments = argumentsOf(data, size);
    parseQuotedArguments(arguments.join(u' '));
    checkSending(qint64(qHash(bytes)), arguments);
    return 0;
}
