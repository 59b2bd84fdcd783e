// Makes the picture of the shortcuts window for the README and the metainfo: the real window over
// a desktop in a temporary folder, with the .tbx files and folders registered and the rest not.
// Usage: tabulix_shortcuts_picture de|en OUTPUT.png   (scripts/screenshots.sh runs it on Xvfb)
#include "app/program_state.h"
#include "shell/desktop_integration.h"
#include "ui/u_application.h"
#include "ui/u_einstshortcuts.h"
#include "window_picture.h"

#include <QTemporaryDir>

int main(int argc, char **argv)
{
    TabulixApplication app(argc, argv);
    const std::optional<Language> language = pictureLanguage("tabulix_shortcuts_picture");
    if (!language)
        return 2;
    const QTemporaryDir desktop;
    ShellIntegration shell(
        {desktop.filePath(QStringLiteral("data")), desktop.filePath(QStringLiteral("config"))},
        QStringLiteral("/usr/bin/tabulix"));
    shell.add(ShellKind::Configuration, *language);
    shell.add(ShellKind::Folders, *language);

    ProgramState state;
    state.settings.setLanguage(*language);
    Teinstshortcuts window(state, shell);
    return saveWindowPicture(window);
}
