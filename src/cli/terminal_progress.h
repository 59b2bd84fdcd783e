#pragma once
// Progress of long adding on standard error, only when it is a terminal.
#include "collect/adding_feedback.h"

#include <cstdio>
#include <unistd.h>

class TerminalProgress : public AddingFeedback {
public:
    void showProgress(const ProgressText &text) override
    {
        if (m_terminal)
            std::fprintf(stderr, "\r%s: %s\033[K", qPrintable(text.title), qPrintable(text.line3));
    }
    void hideProgress() override
    {
        if (m_terminal)
            std::fputs("\r\033[K", stderr);
    }

private:
    const bool m_terminal = isatty(STDERR_FILENO) != 0;
};
