// Makes the picture of the shortcuts window for the README and the metainfo: the real window over
// a desktop in a temporary folder, with the .tbx files and folders registered and the rest not.
// Usage: tabulix_shortcuts_picture de|en OUTPUT.png   (scripts/screenshots.sh runs it on Xvfb)
#include "app/program_state.h"
#include "shell/desktop_integration.h"
#include "ui/u_application.h"
#include "ui/u_einstshortcuts.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

int main(int argc, char **argv)
{
    TabulixApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 || !languageOfCode(arguments.at(1))) {
        err << "usage: tabulix_shortcuts_picture de|en OUTPUT.png\n";
        return 2;
    }
    const QTemporaryDir desktop;
    ShellIntegration shell(
        {desktop.filePath(QStringLiteral("data")), desktop.filePath(QStringLiteral("config"))},
        QStringLiteral("/usr/bin/tabulix"));
    const Language language = *languageOfCode(arguments.at(1));
    shell.add(ShellKind::Configuration, language);
    shell.add(ShellKind::Folders, language);

    ProgramState state;
    state.settings.setLanguage(language);
    Teinstshortcuts window(state, shell);
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
