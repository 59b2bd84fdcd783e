#pragma once
// The hand-over between two starts of the same program file: a start with arguments sends its
// quoted command line to the running program over a local socket and ends when it is taken.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <chrono>
#include <optional>

// The 32-bit replies of the running program.
inline constexpr quint32 HandOverTaken = 0xDA860081u;
inline constexpr quint32 HandOverGoOn = 0xDA860080u;

// A message is a quint32 byte length followed by a body of that length (magic, pid, command line).
inline constexpr quint32 HandOverMagic = 0x54424831u;
inline constexpr quint32 HandOverMaxBody = 1u << 20;

// Splits a handed-over command line: only quoted stretches survive, one entry each.
QStringList parseQuotedArguments(const QString &text);

// Every argument (argument 0, the program path, included) in double quotes, one blank between.
QString quotedCommandLine(const QStringList &arguments);

// False when an argument holds a double quote: it could not survive the quoting, so that start
// must run on its own rather than lose the path.
bool canHandOver(const QStringList &arguments);

// The socket name shared by every start of the program at programPath: a full path in
// $XDG_RUNTIME_DIR when that folder exists, else a plain name carrying the user id.
QString handOverServerName(const QString &programPath);

struct HandOverRequest {
    qint64 pid = 0;
    QString commandLine;
};

// The whole framed message, length prefix included; empty when the body would be too long.
QByteArray handOverMessage(qint64 pid, const QString &commandLine);
// Reads a body (without the length prefix); nothing when it is not a well-formed request.
std::optional<HandOverRequest> parseHandOverBody(const QByteArray &body);

enum class HandOverResult { Taken, GoOn };

// How long a start waits to reach the running program before it runs on its own.
inline constexpr std::chrono::milliseconds HandOverConnectTimeout{1000};

// Sends the command line to the program listening on serverName and waits for its reply, which
// comes only after the running program has added the paths. Anything but "taken" means go on.
HandOverResult handOverToRunningInstance(const QString &serverName, qint64 pid, const QString &commandLine,
                                         std::chrono::milliseconds connectTimeout = HandOverConnectTimeout);
