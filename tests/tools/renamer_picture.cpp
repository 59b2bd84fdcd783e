// Makes the picture of the renaming tool for the README and the metainfo: the real window with a
// few files of a temporary folder and a numbering mask, so the "new name" column shows its use.
// Usage: tabulix_renamer_picture de|en OUTPUT.png   (scripts/screenshots.sh runs it on Xvfb)
#include "app/program_state.h"
#include "ui/u_application.h"
#include "ui/u_renamix.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

int main(int argc, char **argv)
{
    TabulixApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 || !languageOfCode(arguments.at(1))) {
        err << "usage: tabulix_renamer_picture de|en OUTPUT.png\n";
        return 2;
    }
    const QTemporaryDir folder;
    ProgramState state;
    state.settings.setLanguage(*languageOfCode(arguments.at(1)));
    state.settings.setValue(SettingsWindow::DU, QStringLiteral("maske"), QStringLiteral("Ferien-%0num%"));
    TRenamix window(state);
    QStringList files;
    for (const char *name : {"IMG_4711.jpg", "IMG_4712.jpg", "IMG_4720.jpg", "DSC00031.jpg", "Strand.jpg"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096, 'x')) != 4096) {
            err << "could not write " << file.fileName() << '\n';
            return 1;
        }
        files.append(file.fileName());
    }
    window.tool().addDropped(files);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        err << "the window never showed\n";
        return 1;
    }
    const QImage picture =
        window.grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (!picture.save(arguments.at(2), "PNG", 9)) {
        err << "could not write " << arguments.at(2) << '\n';
        return 1;
    }
    return 0;
}
