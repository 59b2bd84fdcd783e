// The main window's menu bar: the menus "Datei", "Einstellungen" and "Tools" built here, the
// others by the parts that own them; and the windows the menus open.
#include "app/program_state.h"
#include "ui/configuration_menu.h"
#include "ui/file_adding.h"
#include "ui/file_list_commands.h"
#include "ui/help_menus.h"
#include "ui/language_switch.h"
#include "ui/list_popup.h"
#include "ui/modal_dialog.h"
#include "ui/named_widget.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_einstshortcuts.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"
#include "ui/u_renamix.h"
#include "ui/u_sm_filter.h"
#include "ui/view_logic.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

namespace {

QMenu *addNamedMenu(QMenuBar *bar, const char *name)
{
    QMenu *menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction *addNamedAction(QMenu *menu, const QString &name)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

// A window shown without blocking, in front of the others.
void bringUp(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void Tprog::buildMenus(Tstart &start)
{
    QMenuBar *bar = menuBar();
    QMenu *fileMenu = addNamedMenu(bar, "m_datei");
    QMenu *settingsMenu = addNamedMenu(bar, "m_einst");
    QMenu *viewMenu = addNamedMenu(bar, "m_anz");
    QMenu *configurationMenu = addNamedMenu(bar, "m_konfig");
    QMenu *tools = addNamedMenu(bar, "m_tools");
    m_help = new HelpMenus(*bar, *this, m_state.settings);

    const auto updateCount = [this] { updateCountLabel(); };
    m_adding = new FileAdding(*fileMenu, *this, m_state, *qulist, *m_preview, updateCount);
    fileMenu->addSeparator();
    m_fileListCommands =
        new FileListCommands(*fileMenu, *this, m_state, *qulist, *m_preview, m_adding->adder(), updateCount);
    fileMenu->addSeparator();
    const auto addOutputCommand = [fileMenu, this](const char *name, void (PreviewPane::*handler)(),
                                                   const QKeySequence &key) {
        QAction *action = addNamedAction(fileMenu, QString::fromUtf8(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, m_preview, handler);
    };
    addOutputCommand("m_datei_konvert", &PreviewPane::SpeichernClick, Qt::CTRL | Qt::Key_S);
    addOutputCommand("m_datei_zwischenablage", &PreviewPane::ZwischenablageClick, Qt::CTRL | Qt::Key_C);
    addOutputCommand("m_datei_vorschauaktualisieren", &PreviewPane::AktualisierenClick, Qt::CTRL | Qt::Key_W);
    fileMenu->addSeparator();
    m_help->addReportItem(*fileMenu);
    fileMenu->addSeparator();
    connect(addNamedAction(fileMenu, QStringLiteral("m_datei_beenden")), &QAction::triggered, this,
            [this] { endProgram(ExitRequest::Menu); });

    buildSettingsMenu(*settingsMenu, start);
    m_view = new ViewLogic(*viewMenu, *this, m_state.settings, *Splitter1, *Splitter2, *m_design);
    m_configurations =
        new ConfigurationMenu(*configurationMenu, *this, m_state, *m_placement, *m_preview, *m_adding);
    buildToolsMenu(*tools);
    m_listPopup =
        new ListPopup(*this, *qulist, m_state.fileList, m_fileListCommands->removeSelectedRowsItem());
}

void Tprog::buildSettingsMenu(QMenu &menu, Tstart &start)
{
    QMenu *settingsMenu = &menu;
    const auto addSwitch = [this, settingsMenu](const char *name, MenuSwitch menuSwitch) {
        QAction *action = namedAction(*settingsMenu, name);
        action->setCheckable(true);
        action->setChecked(m_state.settings.isOn(menuSwitch));
        connect(action, &QAction::toggled, this,
                [this, menuSwitch](bool on) { m_state.settings.setOn(menuSwitch, on); });
        // A loaded configuration moves the check mark too.
        connect(&m_state.settings, &Settings::menuSwitchChanged, action,
                [this, action, menuSwitch](MenuSwitch changed) {
                    if (changed == menuSwitch)
                        action->setChecked(m_state.settings.isOn(menuSwitch));
                });
    };
    addSwitch("m_einst_dat", MenuSwitch::AddFolderFiles);
    addSwitch("m_einst_ord", MenuSwitch::AddFolderRows);
    addSwitch("m_einst_doppelt", MenuSwitch::RefuseDuplicates);
    settingsMenu->addSeparator();
    m_einst_ausgabe = settingsMenu->addAction(QString());
    m_einst_ausgabe->setObjectName(QStringLiteral("m_einst_ausgabe"));
    m_einst_filter = settingsMenu->addAction(QString());
    m_einst_filter->setObjectName(QStringLiteral("m_einst_filter"));
    addSwitch("m_einst_dst", MenuSwitch::DaylightCorrection);
    settingsMenu->addSeparator();
    const auto addCommand = [this, settingsMenu](const char *name, auto handler) {
        return namedAction(*settingsMenu, name, m_preview, handler);
    };
    addCommand("m_einst_vor_hg", &PreviewPane::m_einst_vor_hgClick);
    addCommand("m_einst_vor_schrift", &PreviewPane::m_einst_vor_schriftClick);
    QAction *wrapLines = addCommand("m_einst_vor_umbruch", &PreviewPane::m_einst_vor_umbruchClick);
    wrapLines->setCheckable(true);
    wrapLines->setChecked(m_state.settings.textViewLook().wraps);
    connect(&m_state.settings, &Settings::textViewLookChanged, wrapLines,
            [this, wrapLines] { wrapLines->setChecked(m_state.settings.textViewLook().wraps); });
    settingsMenu->addSeparator();
    m_einst_vorschau = addCommand("m_einst_vorschau", &PreviewPane::m_einst_vorschauClick);
    m_einst_vorschau->setCheckable(true);
    m_einst_vorschau->setShortcut(Qt::Key_F7);
    // The check mark follows the preview switch, however it was set.
    m_einst_vorschau->setChecked(m_state.settings.isOn(PB::vor_okay));
    m_state.settings.watch(PB::vor_okay, m_einst_vorschau,
                           [this] { m_einst_vorschau->setChecked(m_state.settings.isOn(PB::vor_okay)); });
    settingsMenu->addSeparator();
    m_einstshortcuts = settingsMenu->addAction(QString());
    m_einstshortcuts->setObjectName(QStringLiteral("m_einstshortcuts"));
    settingsMenu->addSeparator();
    QMenu *languages = settingsMenu->addMenu(QString());
    languages->setObjectName(QStringLiteral("m_einst_sprache"));
    m_languageSwitch = new LanguageSwitch(*languages, *this, start, *m_help);
    addHiddenItems(*settingsMenu);
}

// Items kept for the names they give, never shown: the text code page, the preview margin
// and its colour, and the two shell entries that the shortcuts window replaces.
void Tprog::addHiddenItems(QMenu &settingsMenu)
{
    for (const char *name : {"m_einst_txtCodePage", "m_einst_vor_randfarbe"})
        addNamedAction(&settingsMenu, QString::fromUtf8(name))->setVisible(false);
    QMenu *margin = settingsMenu.addMenu(QString());
    margin->setObjectName(QStringLiteral("m_einst_vor_rand"));
    margin->menuAction()->setVisible(false);
    for (int percent = 0; percent <= 100; percent += 10)
        addNamedAction(margin, QStringLiteral("m_rand%1").arg(percent));
    for (const char *name : {"m_einst_verkn", "m_einst_sendenan"})
        addNamedAction(&settingsMenu, QString::fromUtf8(name))->setVisible(false);
}

void Tprog::buildToolsMenu(QMenu &tools)
{
    m_tools_dateiumb = addNamedAction(&tools, QStringLiteral("m_tools_dateiumb"));
}

void Tprog::useWindows(const ProgramWindows &windows)
{
    m_windows.emplace(windows);
    m_adding->useDialogs(windows.progress, windows.message);
    m_preview->useDialogs(windows.message, windows.confirmation);
    const auto showFilter = [this] { runDialog(m_windows->filter); };
    connect(bitbtn1, &QPushButton::clicked, this, showFilter);
    connect(m_einst_filter, &QAction::triggered, this, showFilter);
    connect(m_einst_ausgabe, &QAction::triggered, &windows.outputSettings,
            [this] { runDialog(m_windows->outputSettings); });
    m_preview->useOutputSettings(windows.outputSettings);
    m_configurations->useProfileWindow(windows.profile);
    connect(m_einstshortcuts, &QAction::triggered, &windows.shortcuts,
            [this] { bringUp(m_windows->shortcuts); });
    connect(m_tools_dateiumb, &QAction::triggered, &windows.renamer, [this] { bringUp(m_windows->renamer); });
    m_languageSwitch->useWindows(windows);
}
