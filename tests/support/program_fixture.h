#pragma once
// The desktop program with every window, as its main makes it, over a home folder of its own:
// the standard paths of the tests run in test mode, which places the configuration folder
// below $HOME, so $HOME points at a temporary folder before the windows are made.
#include "app/hand_over_server.h"
#include "config/config_location.h"
#include "dialog_answers.h"
#include "ui/configuration_menu.h"
#include "ui/desktop_program.h"
#include "ui/file_adding.h"
#include "ui/help_menus.h"
#include "ui/main_placement.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_profilspeichern.h"
#include "ui/u_prog.h"
#include "ui/u_sm_achtung.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_filter.h"
#include "ui/u_sm_meldung.h"
#include "ui/u_start.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

struct TemporaryHome {
    TemporaryHome() : m_previous(qgetenv("HOME")) { qputenv("HOME", home.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", m_previous); }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QTemporaryDir home;

private:
    QByteArray m_previous;
};

struct ProgramFixture : TemporaryHome {
    // `prepareHome` runs in the new home before any window is made.
    explicit ProgramFixture(Language language = Language::German, const QStringList &arguments = {},
                            const std::function<void()> &prepareHome = {})
        : program(afterPreparing(prepareHome, language), server, arguments, shellOfHome())
    {
    }

    template <typename T = QWidget> T *control(const char *name) const
    {
        return prog->findChild<T *>(QString::fromUtf8(name));
    }
    QAction *action(const char *name) const { return prog->findChild<QAction *>(QString::fromUtf8(name)); }
    QString countLabel() const { return control<QLabel>("la_anzahl")->text(); }
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
    // The language item of the menu "Einstellungen".
    void chooseLanguage(Language language) const
    {
        action(isGerman(language) ? "m_einst_sprache_deutsch" : "m_einst_sprache_english")->trigger();
    }

    HandOverServer server;
    DesktopProgram program;
    ProgramState &state = program.state();
    Tstart *start = &program.start();
    Tprog *prog = &program.mainWindow();
    Tsm_filter &filter = program.filter();
    Tsm_bearbeitung &progress = program.progress();
    Tsm_meldung &message = program.message();
    Tsm_achtung &confirmation = program.confirmation();
    Teinstausgabe &outputSettings = program.outputSettings();
    Tprofilspeichern &profile = program.profileWindow();

private:
    static Language afterPreparing(const std::function<void()> &prepareHome, Language language)
    {
        if (prepareHome)
            prepareHome();
        return language;
    }
    ShellIntegration shellOfHome() const
    {
        const QDir folder(home.path());
        return ShellIntegration(
            {folder.filePath(QStringLiteral(".local/share")), folder.filePath(QStringLiteral(".config"))},
            folder.filePath(QStringLiteral("tabulix")));
    }
};

// Types the path into the next file dialog and accepts it, as a user would.
inline void chooseInFileDialog(const QString &path)
{
    answerNextDialogOf<QFileDialog>([path](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept(); // the dialog's own accept is protected
    });
}

inline void cancelFileDialog()
{
    answerNextDialogOf<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
}

// Reads the text of the next error box into `text` and closes the box.
inline void readErrorBox(QString &text)
{
    answerNextDialogOf<QMessageBox>([&text](QMessageBox *box) {
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}
