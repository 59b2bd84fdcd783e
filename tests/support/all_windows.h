#pragma once
// The main window with every window the program hands it: dialogs, profile window and the
// output settings window.
#include "configuration_window.h"
#include "ui/u_einstausgabe.h"

struct AllWindows : ConfigurationWindow {
    AllWindows() : outputSettings(state) { prog->useOutputSettings(outputSettings); }

    template <typename T = QWidget> T *control(const char *name) const
    {
        return prog->findChild<T *>(QString::fromUtf8(name));
    }
    // The language item of the menu "Einstellungen".
    void chooseLanguage(Language language) const
    {
        action(isGerman(language) ? "m_einst_sprache_deutsch" : "m_einst_sprache_english")->trigger();
    }

    Teinstausgabe outputSettings;
};
