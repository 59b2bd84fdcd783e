// The main window's configurations: the menu "Konfiguration" with its known files, the
// window's placement going into and coming out of the settings, and the saving at the end.
#include "app/program_state.h"
#include "common/minimize_path.h"
#include "config/config_location.h"
#include "config/configuration_file.h"
#include "ui/configuration_dialogs.h"
#include "ui/u_adding_feedback.h"
#include "ui/u_application.h"
#include "ui/u_preview_pane.h"
#include "ui/u_profilspeichern.h"
#include "ui/u_prog.h"

#include <QAction>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSplitter>

namespace {

Q_LOGGING_CATEGORY(lcConfiguration, "tabulix.configuration", QtWarningMsg)

// Display width of a known configuration's caption.
constexpr int EntryCaptionWidth = 372;

constexpr MenuSwitch autoSaveSwitches[] = {MenuSwitch::AutoSaveNever, MenuSwitch::AutoSaveAll,
                                           MenuSwitch::AutoSaveProfile};

} // namespace

void Tprog::buildConfigurationMenu()
{
    m_konfig = menuBar()->addMenu(QString());
    m_konfig->setObjectName(QStringLiteral("m_konfig"));
    m_konfig->setToolTipsVisible(true);
    const auto addCommand = [this](const char *name, void (Tprog::*handler)()) {
        QAction *action = m_konfig->addAction(QString());
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    addCommand("m_konfig_save", &Tprog::m_konfig_saveClick);
    addCommand("m_konfig_save_start", &Tprog::m_konfig_save_startClick);
    addCommand("m_konfig_save_profil", &Tprog::m_konfig_save_profilClick);
    addCommand("m_konfig_load", &Tprog::m_konfig_loadClick)->setShortcut(Qt::CTRL | Qt::Key_K);
    m_konfig->addSeparator();
    QMenu *autoSave = m_konfig->addMenu(QString());
    autoSave->setObjectName(QStringLiteral("m_konfig_autosave"));
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_nie", MenuSwitch::AutoSaveNever);
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_alles", MenuSwitch::AutoSaveAll);
    addAutoSaveSwitch(autoSave, "m_konfig_autosave_profil", MenuSwitch::AutoSaveProfile);
    m_konfig->addSeparator();
    addCommand("m_konfig_standard", &Tprog::m_konfig_standardClick)->setShortcut(Qt::Key_F2);
    m_konfig_start = addCommand("m_konfig_start", &Tprog::m_konfig_startClick);
    m_konfig_start->setShortcut(Qt::Key_F3);
    // The known configurations follow.
}

void Tprog::addAutoSaveSwitch(QMenu *menu, const char *name, MenuSwitch menuSwitch)
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

void Tprog::useProfileWindow(Tprofilspeichern &window)
{
    m_profileWindow = &window;
    connect(&window, &Tprofilspeichern::profileSaved, this, &Tprog::addConfigurationToMenu);
}

void Tprog::addConfigurationToMenu(const QString &path)
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

void Tprog::loadConfiguration(LoadOrigin origin, const QString &path)
{
    qCInfo(lcConfiguration) << "loading" << path
                            << (origin == LoadOrigin::StartUp ? "at start-up" : "by the user");
    capturePlacement();
    const QScopedValueRollback loading(m_loadOrigin, origin);
    const QSize screenSize = screen()->availableGeometry().size();
    runOrShowError([&] { ::loadConfiguration(m_state.settings, path, screenSize); });
    m_preview->refreshPreviewIfOn();
}

void Tprog::m_konfig_saveClick()
{
    const QString path = chooseConfigurationToSave(this, m_state.settings.language());
    if (path.isEmpty())
        return;
    capturePlacement();
    if (runOrShowError([&] { saveConfiguration(m_state.settings, path); }))
        addConfigurationToMenu(path);
}

void Tprog::m_konfig_save_startClick()
{
    saveStartConfiguration();
}

bool Tprog::saveStartConfiguration()
{
    const QString path = startConfigurationPath();
    capturePlacement();
    if (!runOrShowError([&] { saveConfiguration(m_state.settings, path); }))
        return false;
    m_konfig_start->setToolTip(path);
    m_konfig_start->setStatusTip(path);
    return true;
}

void Tprog::m_konfig_save_profilClick()
{
    if (m_profileWindow)
        m_profileWindow->exec();
}

void Tprog::m_konfig_loadClick()
{
    const QString path = chooseConfigurationToLoad(this, m_state.settings.language());
    if (path.isEmpty())
        return;
    // A name that does not exist still loads: the keys with constant defaults take them.
    loadConfiguration(LoadOrigin::User, path);
    addConfigurationToMenu(path);
}

void Tprog::m_konfig_standardClick()
{
    // The reset keeps the window's position, which only capturing puts into the settings.
    capturePlacement();
    resetToStandard(m_state.settings);
    m_preview->refreshPreviewIfOn();
}

void Tprog::m_konfig_startClick()
{
    const QString path = startConfigurationPath();
    if (QFileInfo(path).isFile())
        loadConfiguration(LoadOrigin::User, path);
    else
        m_feedback->showMessage(QStringLiteral("keinestartkonfig"), QFileInfo(path).path());
}

void Tprog::saveAutomatically()
{
    capturePlacement();
    ::saveAutomatically(m_state.settings, startConfigurationPath());
}

void Tprog::resizeClient(int width, int height)
{
    // The menu bar stands above the client at the height its captions need at this width.
    const QMenuBar *bar = menuBar();
    resize(width,
           height + (bar->hasHeightForWidth() ? bar->heightForWidth(width) : bar->sizeHint().height()));
}

void Tprog::capturePlacement()
{
    // A window never shown has no placement of its own yet: the settings' one stands.
    if (!m_shownOnce)
        return;
    MainWindowPlacement placement = m_state.settings.mainPlacement();
    placement.window = {isMaximized(), x(), y(), centralWidget()->width(), centralWidget()->height()};
    // A hidden area has no size; its last one stays.
    if (const int width = Splitter1->sizes().value(1); width > 0)
        placement.rightColumnWidth = width;
    if (const int height = Splitter2->sizes().value(0); height > 0)
        placement.filesAreaHeight = height;
    const QScopedValueRollback capturing(m_capturingPlacement, true);
    m_state.settings.setMainPlacement(placement);
}

void Tprog::applyPlacement()
{
    if (m_capturingPlacement)
        return;
    const MainWindowPlacement placement = m_state.settings.mainPlacement();
    const WindowPlacement &window = placement.window;
    if (window.maximized) {
        // At start-up the window maximises when it is first activated.
        if (m_loadOrigin == LoadOrigin::StartUp)
            m_maximizeOnActivate = true;
        else
            setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        resizeClient(window.width, window.height);
        move(window.left, window.top);
    }
    applySplitterSizes(placement);
}

void Tprog::applySplitterSizes(const MainWindowPlacement &placement)
{
    // The stored side takes its size when the window can hold it, the other side the rest.
    const auto place = [](QSplitter *splitter, int side, int size, int bound) {
        QList<int> sizes = splitter->sizes();
        if (sizes.size() != 2 || size > bound)
            return;
        const int total = sizes[0] + sizes[1];
        sizes[side] = size;
        sizes[1 - side] = qMax(0, total - size);
        splitter->setSizes(sizes);
    };
    const QSize outer = frameGeometry().size();
    place(Splitter1, 1, placement.rightColumnWidth, outer.width());
    place(Splitter2, 0, placement.filesAreaHeight, outer.height());
}
