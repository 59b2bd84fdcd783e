#pragma once
// The menu "Konfiguration": saving and loading configurations, the automatic saving at the
// end, the reset, the start configuration, and the known configurations at its end. Failed
// saves show the error box and add no entry.
#include "app/startup_sequence.h"

#include <QObject>

class FileAdding;
class MainPlacement;
enum class MenuSwitch;
class PreviewPane;
struct ProgramState;
class QAction;
class QMenu;
class QWidget;
class Tprofilspeichern;

class ConfigurationMenu : public QObject {
    Q_OBJECT
public:
    // Fills `menu` and lists the configurations of the configuration folder; dialogs open over
    // `window`, and the window's placement goes into every configuration saved.
    ConfigurationMenu(QMenu &menu, QWidget &window, ProgramState &state, MainPlacement &placement,
                      PreviewPane &preview, FileAdding &adding);

    // The profile window, opened by its item; the profiles it saves join the menu.
    void useProfileWindow(Tprofilspeichern &window);
    // Reads a configuration into the settings, after the window's placement went into them.
    void loadConfiguration(LoadOrigin origin, const QString &path);
    // A known configuration at the end of the menu, unless an entry already names exactly this path.
    void addConfigurationToMenu(const QString &path);
    // The automatic saving at the end, with the window's placement.
    void saveAutomatically();

private Q_SLOTS:
    void m_konfig_saveClick();
    void m_konfig_save_startClick();
    void m_konfig_save_profilClick();
    void m_konfig_loadClick();
    void m_konfig_standardClick();
    void m_konfig_startClick();

private:
    void addAutoSaveSwitch(QMenu *menu, const char *name, MenuSwitch menuSwitch);

    QWidget &m_window;
    ProgramState &m_state;
    MainPlacement &m_placement;
    PreviewPane &m_preview;
    FileAdding &m_adding;
    QMenu *m_konfig;
    QAction *m_konfig_start = nullptr;
    Tprofilspeichern *m_profileWindow = nullptr;
};
