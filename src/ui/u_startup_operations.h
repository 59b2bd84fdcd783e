#pragma once
// What a start and a hand-over do in the desktop program: the main window adds the paths,
// loads and lists the configurations, and brings its count and preview up to date.
#include "app/startup_sequence.h"

class Tprog;

class WindowStartupOperations : public StartupOperations {
public:
    explicit WindowStartupOperations(Tprog &window) : m_window(window) {}

    void updateDaylightBias() override;
    void addPath(const QString &path) override;
    void loadConfiguration(LoadOrigin origin, const QString &path) override;
    void addConfigurationToMenu(const QString &path) override;
    void refreshPreviewIfOn() override;
    void updateCountLabel() override;

private:
    Tprog &m_window;
};
