#pragma once
// The one exception type of the program: an operation that cannot go on throws it,
// and whoever does not catch it lets the general error box show its text.
#include <QString>
#include <stdexcept>

class TabulixError : public std::runtime_error {
public:
    explicit TabulixError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};
