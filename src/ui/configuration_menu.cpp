#include "ui/configuration_menu.h"

#include "app/program_state.h"
#include "common/minimize_path.h"
#include "config/config_location.h"
#include "config/configuration_file.h"
#include "ui/configuration_dialogs.h"
#include "ui/file_adding.h"
#include "ui/main_placement.h"
#include "ui/modal_dialog.h"
#include "ui/named_widget.h"
#include "ui/u_application.h"
#include "ui/u_preview_pane.h"
#include "ui/u_profilspeichern.h"

#include <QAction>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>

namespace {

Q_LOGGING_CATEGORY(lcConfiguration, "tabulix.configuration", QtWarningMsg)

// Display width of a known configuration's caption.
constexpr int EntryCaptionWidth = 372;

constexpr MenuSwitch autoSaveSwitches[] = {MenuSwitch::AutoSaveNever, MenuSwitch::AutoSaveAll,
                                           MenuSwitch::AutoSaveProfile};

} // namespace

ConfigurationMenu::ConfigurationMenu(QMenu &menu, QWidget &window, ProgramState &state,
                                     MainPlacement &placement, PreviewPane &preview, FileAdding &adding)
    : QObject(&menu), m_window(window), m_state(state), m_placement(placement), m_preview(preview),
      m_adding(adding), m_konfig(&menu)
{
    m_konfig->setToolTipsVisible(true);
    const auto addCommand = [this](const char *name, void (ConfigurationMenu::*handler)()) {
        return namedAction(*m_konfig, name, this, handler);
    };
    addCommand("m_konfig_save", &ConfigurationMenu::m_konfig_saveClick);
    addCommand("m_konfig_save_start", &ConfigurationMenu::m_konfig_save_startClick);
    addCommand("m_konfig_save_profil", &ConfigurationMenu::m_konfig_save_profilClick);
    addCommand("m_konfig_load", &ConfigurationMenu::m_konfig_loadClick)->setShortcut(Qt::CTRL | Qt::Key_K);
    m_konfig->addSeparator();
    QMenu *autoSave = m_konfig->addMenu(QString());
    autoSave->setObjectName(QStringLiteral("m_konfig_autosave"));
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_nie", MenuSwitch::AutoSaveNever);
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_alles", MenuSwitch::AutoSaveAll);
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_profil", MenuSwitch::AutoSaveProfile);
    m_konfig->addSeparator();
    addCommand("m_konfig_standard", &ConfigurationMenu::m_konfig_standardClick)->setShortcut(Qt::Key_F2);
    m_konfig_start = addCommand("m_konfig_start", &ConfigurationMenu::m_konfig_startClick);
    m_konfig_start->setShortcut(Qt::Key_F3);
    // The start configuration command names its file.
    m_konfig_start->setToolTip(startConfigurationPath());
    m_konfig_start->setStatusTip(startConfigurationPath());
    // Every configuration beside the start configuration follows.
    for (const QString &file : configurationFilesIn(configurationFolder()))
        addConfigurationToMenu(file);
}

void ConfigurationMenu::useProfileWindow(Tprofilspeichern &window)
{
    m_profileWindow = &window;
    connect(&window, &Tprofilspeichern::profileSaved, this, &ConfigurationMenu::addConfigurationToMenu);
}

void ConfigurationMenu::addAutoSaveSwitch(QMenu *menu, const char *name, MenuSwitch menuSwitch)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(QString::fromUtf8(name));
    action->setCheckable(true);
    action->setChecked(m_state.settings.isOn(menuSwitch));
    // The chosen switch goes on and the other two off; a click on the chosen one keeps it on.
    connect(action, &QAction::triggered, this, [this, action, menuSwitch] {
        for (const MenuSwitch other : autoSaveSwitches)
            m_state.settings.setOn(other, other == menuSwitch);
        action->setChecked(true);
    });
    // A loaded configuration sets each switch on its own.
    connect(&m_state.settings, &Settings::menuSwitchChanged, action,
            [this, action, menuSwitch](MenuSwitch changed) {
                if (changed == menuSwitch)
                    action->setChecked(m_state.settings.isOn(menuSwitch));
            });
}

void ConfigurationMenu::addConfigurationToMenu(const QString &path)
{
    const QList<QAction *> entries = m_konfig->actions();
    for (const QAction *entry : entries)
        if (entry->statusTip() == path)
            return;
    auto *entry = new QAction(m_konfig);
    entry->setObjectName(QStringLiteral("m_konfig_%1").arg(entries.size()));
    // A "&" in a path is a letter of the caption, not the mark of a shortcut key.
    entry->setText(minimizePath(path, EntryCaptionWidth).replace(u'&', QStringLiteral("&&")));
    entry->setToolTip(path);
    entry->setStatusTip(path);
    // The hint is the entry's only link to its file; a file gone since does nothing.
    connect(entry, &QAction::triggered, this, [this, entry] {
        if (QFileInfo(entry->statusTip()).isFile())
            loadConfiguration(LoadOrigin::User, entry->statusTip());
    });
    m_konfig->addAction(entry);
}

void ConfigurationMenu::loadConfiguration(LoadOrigin origin, const QString &path)
{
    qCInfo(lcConfiguration) << "loading" << path
                            << (origin == LoadOrigin::StartUp ? "at start-up" : "by the user");
    m_placement.capture();
    const QSize screenSize = m_window.screen()->availableGeometry().size();
    m_placement.whileLoading(
        origin, [&] { runOrShowError([&] { ::loadConfiguration(m_state.settings, path, screenSize); }); });
    m_preview.refreshPreviewIfOn();
}

void ConfigurationMenu::m_konfig_saveClick()
{
    const QString path = chooseConfigurationToSave(&m_window, m_state.settings.language());
    if (path.isEmpty())
        return;
    m_placement.capture();
    if (runOrShowError([&] { saveConfiguration(m_state.settings, path); }))
        addConfigurationToMenu(path);
}

void ConfigurationMenu::m_konfig_save_startClick()
{
    const QString path = startConfigurationPath();
    m_placement.capture();
    if (!runOrShowError([&] { saveConfiguration(m_state.settings, path); }))
        return;
    m_konfig_start->setToolTip(path);
    m_konfig_start->setStatusTip(path);
}

void ConfigurationMenu::m_konfig_save_profilClick()
{
    if (m_profileWindow)
        runDialog(*m_profileWindow);
}

void ConfigurationMenu::m_konfig_loadClick()
{
    const QString path = chooseConfigurationToLoad(&m_window, m_state.settings.language());
    if (path.isEmpty())
        return;
    // A name that does not exist still loads: the keys with constant defaults take them.
    loadConfiguration(LoadOrigin::User, path);
    addConfigurationToMenu(path);
}

void ConfigurationMenu::m_konfig_standardClick()
{
    // The reset keeps the window's position, which only capturing puts into the settings.
    m_placement.capture();
    resetToStandard(m_state.settings);
    m_preview.refreshPreviewIfOn();
}

void ConfigurationMenu::m_konfig_startClick()
{
    const QString path = startConfigurationPath();
    if (QFileInfo(path).isFile())
        loadConfiguration(LoadOrigin::User, path);
    else
        m_adding.showMessage(QStringLiteral("keinestartkonfig"), QFileInfo(path).path());
}

void ConfigurationMenu::saveAutomatically()
{
    m_placement.capture();
    ::saveAutomatically(m_state.settings, startConfigurationPath());
}
