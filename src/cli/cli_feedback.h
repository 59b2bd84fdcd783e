#pragma once
// What adding shows in tabulix-cli: progress on standard error when it is a terminal, and a
// line for every path that could not be read, named as it was typed.
#include "collect/adding_feedback.h"

class CliFeedback : public AddingFeedback {
public:
    CliFeedback();

    void showProgress(const ProgressText &text) override;
    void hideProgress() override;
    void reportUnreadable(const QString &path, int error) override;
    void reportUnreadable(const QString &path, const QString &reason);
    // Something named that is no path to add could not be read; the run still ends with 1.
    void reportFailure(const QString &message);
    // A line that changes nothing in the exit status.
    void note(const QString &message);

    // The operand added next, as typed and as the adding sees it; reported paths below the
    // absolute one are shown below the typed one.
    void setOperand(const QString &typed, const QString &absolute);
    bool anyUnreadable() const { return m_anyUnreadable; }

private:
    const bool m_terminal;
    QString m_typed, m_absolute;
    bool m_anyUnreadable = false;
};
