#pragma once
// Debian's Python as a second reader of what the program writes.
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

// What a script run by Debian's Python prints as JSON, given the input and the arguments; a
// failing script fails the test with its standard error.
inline QJsonDocument pythonJson(const QString &script, const QByteArray &input,
                                const QStringList &arguments = {})
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    python.write(input);
    python.closeWriteChannel();
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        ADD_FAILURE() << python.readAllStandardError().constData();
    return QJsonDocument::fromJson(python.readAllStandardOutput());
}
