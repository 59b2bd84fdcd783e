#pragma once
// Answers the program's modal dialogs as their user would. Every dialog runs through
// runDialog, which in the tests takes the first planned answer that fits it: the answer acts
// on the shown dialog, and the dialog's end is waited for by its signal. A dialog without an
// answer is a failure and is cancelled, so no test waits for a window that never comes.
#include "ui/modal_dialog.h"

#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

struct DialogAnswer {
    std::function<bool(QDialog *)> matches;
    std::function<void(QDialog *)> act;
};

inline std::deque<DialogAnswer> &plannedAnswers()
{
    static std::deque<DialogAnswer> answers;
    return answers;
}

// The runner the tests put in place of exec().
inline int answerDialog(QDialog &dialog)
{
    auto &answers = plannedAnswers();
    const auto planned = std::find_if(answers.begin(), answers.end(), [&dialog](const DialogAnswer &answer) {
        return answer.matches(&dialog);
    });
    if (planned == answers.end()) {
        ADD_FAILURE() << "no answer planned for the dialog " << dialog.metaObject()->className() << " \""
                      << dialog.windowTitle().toStdString() << '"';
        return QDialog::Rejected;
    }
    const std::function<void(QDialog *)> act = planned->act;
    answers.erase(planned);
    // As exec() shows it: modal, with no result yet.
    const bool wasModal = dialog.testAttribute(Qt::WA_ShowModal);
    dialog.setAttribute(Qt::WA_ShowModal, true);
    dialog.setResult(0);
    QEventLoop ended;
    QObject::connect(&dialog, &QDialog::finished, &ended, &QEventLoop::quit);
    dialog.show();
    QPointer<QDialog> guard(&dialog);
    act(&dialog);
    if (guard && guard->isVisible()) {
        // An answer that ends the dialog later; one that never does would block the test.
        QTimer::singleShot(3000, &ended, [guard] {
            ADD_FAILURE() << "dialog still open";
            if (guard)
                guard->reject();
        });
        ended.exec();
    }
    if (!guard)
        return QDialog::Rejected;
    dialog.setAttribute(Qt::WA_ShowModal, wasModal);
    return dialog.result();
}

// Acts on the next modal dialog that `matches` accepts, also one opened over another dialog.
inline void answerDialogMatching(std::function<bool(QDialog *)> matches, std::function<void(QDialog *)> act)
{
    plannedAnswers().push_back({std::move(matches), std::move(act)});
}

inline void answerNextDialog(std::function<void(QDialog *)> act)
{
    answerDialogMatching([](QDialog *) { return true; }, std::move(act));
}

// The next modal dialog of type Window.
template <typename Window> void answerNextDialogOf(std::function<void(Window *)> act)
{
    answerDialogMatching([](QDialog *dialog) { return qobject_cast<Window *>(dialog) != nullptr; },
                         [act](QDialog *dialog) { act(qobject_cast<Window *>(dialog)); });
}

// Puts the answering runner in place for the whole test program, and fails a test that
// planned answers for dialogs that never came.
class DialogAnswerCheck : public ::testing::EmptyTestEventListener {
public:
    DialogAnswerCheck() { replaceDialogRunner(answerDialog); }
    void OnTestEnd(const ::testing::TestInfo &) override
    {
        if (!plannedAnswers().empty())
            ADD_FAILURE() << plannedAnswers().size() << " planned dialog answer(s) unused";
        plannedAnswers().clear();
    }
};
