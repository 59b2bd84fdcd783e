#include "ui/modal_dialog.h"

#include <QDialog>

namespace {

DialogRunner &currentRunner()
{
    static DialogRunner runner;
    return runner;
}

} // namespace

int runDialog(QDialog &dialog)
{
    const DialogRunner &runner = currentRunner();
    return runner ? runner(dialog) : dialog.exec();
}

DialogRunner replaceDialogRunner(DialogRunner runner)
{
    return std::exchange(currentRunner(), std::move(runner));
}
