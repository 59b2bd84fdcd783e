#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DialogLook {
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    bool asksBeforeOverwriting = true;
    QStringList filters;
    QString suffix, proposedName, folder;
};

// Reads how the next file dialog looks, then types the path into it.
void readAndChoose(DialogLook &look, const QString &path)
{
    answerNextDialogOf<QFileDialog>([&look, path](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        look = {dialog->acceptMode(),
                dialog->fileMode(),
                !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                dialog->nameFilters(),
                dialog->defaultSuffix(),
                name->text(),
                dialog->directory().absolutePath()};
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

TEST(ConfigurationDialogs, SaveAndLoadDialogsChooseTheFiles)
{
    ProgramFixture window;
    QDir().mkpath(configurationFolder());
    QTemporaryDir folder;

    DialogLook look;
    readAndChoose(look, folder.filePath(QStringLiteral("mine")));
    window.action("m_konfig_save")->trigger();
    EXPECT_EQ(look.mode, QFileDialog::AcceptSave);
    EXPECT_FALSE(look.asksBeforeOverwriting);
    EXPECT_EQ(look.filters, QStringList{u"Tabulix Konfiguration (*.tbx)"_s});
    EXPECT_EQ(look.suffix, u"tbx");
    EXPECT_EQ(look.proposedName, u"Konfiguration.tbx");
    EXPECT_EQ(look.folder, configurationFolder());
    // The suffix joins a name typed without one.
    const QString saved = folder.filePath(QStringLiteral("mine.tbx"));
    EXPECT_TRUE(QFileInfo(saved).isFile());
    EXPECT_EQ(window.knownEntries(), QStringList{saved});

    // Saving again into the same file asks nothing and lists it once.
    chooseInFileDialog(saved);
    window.action("m_konfig_save")->trigger();
    EXPECT_EQ(window.knownEntries(), QStringList{saved});

    cancelFileDialog();
    window.action("m_konfig_save")->trigger();
    cancelFileDialog();
    window.action("m_konfig_load")->trigger();
    EXPECT_EQ(window.knownEntries(), QStringList{saved});

    window.state.settings.setLanguage(Language::English);
    const QString missing = folder.filePath(QStringLiteral("missing.tbx"));
    readAndChoose(look, missing);
    window.action("m_konfig_load")->trigger();
    EXPECT_EQ(look.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(look.fileMode, QFileDialog::AnyFile);
    EXPECT_EQ(look.filters, QStringList{u"Tabulix Configuration (*.tbx)"_s});
    EXPECT_EQ(look.suffix, u"tbx");
    EXPECT_EQ(look.folder, configurationFolder());
    // A name that does not exist is loaded (the constant defaults) and listed all the same.
    EXPECT_EQ(window.knownEntries(), (QStringList{saved, missing}));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(ConfigurationDialogs, FailedSaveShowsTheErrorAndListsNothing)
{
    ProgramFixture window;
    QTemporaryDir folder;
    const QString regularFile = folder.filePath(QStringLiteral("plain"));
    QFile(regularFile).open(QIODevice::WriteOnly);

    const QString path = regularFile + QStringLiteral("/sub/x.tbx");
    QString error;
    chooseInFileDialog(path);
    readErrorBox(error);
    window.action("m_konfig_save")->trigger();
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(window.knownEntries().isEmpty());
}
