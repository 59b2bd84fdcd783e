#include "ui/u_application.h"

#include "common/error_text.h"
#include "common/tabulix_error.h"
#include "ui/app_icon.h"
#include "ui/modal_dialog.h"

#include <QMessageBox>
#include <exception>

TabulixApplication::TabulixApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setWindowIcon(applicationIcon());
}

bool TabulixApplication::notify(QObject *receiver, QEvent *event)
{
    // Every event handler and every slot it triggers runs below this frame, so this is the
    // one place that sees what they did not catch.
    try {
        return QApplication::notify(receiver, event);
    } catch (const TabulixError &error) {
        showErrorBox(error.message());
    } catch (const std::exception &error) {
        showErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        showErrorBox(unknownErrorText());
    }
    return false;
}

void showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("errorBox"));
    // Error texts quote file names, which may hold "<" or "&".
    box.setTextFormat(Qt::PlainText);
    runDialog(box);
}

bool runOrShowError(const std::function<void()> &operation)
{
    try {
        operation();
        return true;
    } catch (const TabulixError &error) {
        showErrorBox(error.message());
        return false;
    }
}
