// Makes the picture of the renaming tool for the README and the metainfo: the real window with a
// few files of a temporary folder and a numbering mask, so the "new name" column shows its use.
// Usage: tabulix_renamer_picture de|en OUTPUT.png   (scripts/screenshots.sh runs it on Xvfb)
#include "app/program_state.h"
#include "ui/u_application.h"
#include "ui/u_renamix.h"
#include "window_picture.h"

#include <QFile>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    TabulixApplication app(argc, argv);
    const std::optional<Language> language = pictureLanguage("tabulix_renamer_picture");
    if (!language)
        return 2;
    const QTemporaryDir folder;
    QStringList files;
    for (const char *name : {"IMG_4711.jpg", "IMG_4712.jpg", "IMG_4720.jpg", "DSC00031.jpg", "Strand.jpg"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096, 'x')) != 4096) {
            QTextStream(stderr) << "could not write " << file.fileName() << '\n';
            return 1;
        }
        files.append(file.fileName());
    }

    ProgramState state;
    state.settings.setLanguage(*language);
    state.settings.setValue(SettingsWindow::DU, QStringLiteral("maske"), QStringLiteral("Ferien-%0num%"));
    TRenamix window(state);
    window.tool().addDropped(files);
    return saveWindowPicture(window);
}
