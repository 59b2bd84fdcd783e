#pragma once
// Standard output of tabulix-cli: UTF-8 with LF, written whole or failing with its reason.
#include <QString>
#include <span>

class StandardOutput {
public:
    // Takes note of standard output before anything else opens a file. A closed one is
    // taken by /dev/null, so no file the program opens lands there, and every write to it fails.
    // A reader that went away makes a failed write too, not a silent end of the program.
    StandardOutput();

    // Writes the text as UTF-8, as a terminal should get it. Returns why the write failed;
    // empty when everything went out.
    QString write(const QString &text) const;
    // The same for lines, each followed by lineEnd, encoded straight from the lines.
    QString writeLines(std::span<const QString> lines, QStringView lineEnd) const;

private:
    QString writeBytes(const QByteArray &bytes) const;

    bool m_closed;
};

// The text for the stream of the file descriptor: when it is a terminal, control characters
// other than TAB and LF become "?".
QString shownOn(int fileDescriptor, const QString &text);

// The system's text for an errno value.
QString errorReason(int error);
