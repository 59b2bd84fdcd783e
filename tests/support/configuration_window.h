#pragma once
// The main window with its dialogs and profile window over a configuration folder of its own:
// the standard paths of the tests run in test mode, which places the configuration folder
// below $HOME, so $HOME points at a temporary folder before the window is made.
#include "config/config_location.h"
#include "modal_watch.h"
#include "ui/u_profilspeichern.h"
#include "window_with_dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>

struct TemporaryHome {
    TemporaryHome() : m_previous(qgetenv("HOME")) { qputenv("HOME", home.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", m_previous); }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QTemporaryDir home;

private:
    QByteArray m_previous;
};

struct ConfigurationWindow : TemporaryHome, WindowWithDialogs {
    ConfigurationWindow() : profile(state) { prog->useProfileWindow(profile); }

    QAction *action(const char *name) const { return prog->findChild<QAction *>(QString::fromUtf8(name)); }
    QMenu *konfigMenu() const { return prog->findChild<QMenu *>(QStringLiteral("m_konfig")); }
    // The hints of the known configurations, in menu order.
    QStringList knownEntries() const
    {
        QStringList paths;
        for (const QAction *entry : konfigMenu()->actions())
            if (entry->objectName().contains(QRegularExpression(QStringLiteral("^m_konfig_\\d+$"))))
                paths.append(entry->statusTip());
        return paths;
    }

    Tprofilspeichern profile;
};

// Types the path into the next file dialog and accepts it, as a user would.
inline void chooseInFileDialog(const QString &path)
{
    whenModalShownOf<QFileDialog>([path](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept(); // the dialog's own accept is protected
    });
}

inline void cancelFileDialog()
{
    whenModalShownOf<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
}

// Reads the text of the next error box into `text` and closes the box.
inline void readErrorBox(QString &text)
{
    whenModalShownOf<QMessageBox>([&text](QMessageBox *box) {
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}
