// The main window's ways of adding files: the folder field and dialog, the open dialog,
// dropped paths, the settings menu that steers adding, and the folder watch.
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_facts.h"
#include "common/message_catalogue.h"
#include "ui/file_dialogs.h"
#include "ui/u_adding_feedback.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>

void Tprog::buildSettingsMenu()
{
    QMenu *settingsMenu = menuBar()->addMenu(QString());
    settingsMenu->setObjectName(QStringLiteral("m_einst"));
    const auto addSwitch = [this, settingsMenu](const char *name, MenuSwitch menuSwitch) {
        QAction *action = settingsMenu->addAction(QString());
        action->setObjectName(QString::fromUtf8(name));
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
        QAction *action = settingsMenu->addAction(QString());
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, m_preview, handler);
        return action;
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
    addShortcutsAndLanguageItems(settingsMenu);
}

void Tprog::OrdnerWahlClick()
{
    const QString typed = inp_ordner->text();
    QString start = typed;
    if (!isFolder(start))
        start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!isFolder(start))
        start = QDir::homePath();
    const QString chosen =
        chooseFolder(this, uiText(UiText::FolderDialogTitle, m_state.settings.language()), start);
    // A cancelled dialog adds nothing and leaves the field as it was.
    if (!chosen.isEmpty()) {
        m_state.settings.setValue(SettingsWindow::PB, QStringLiteral("inp_ordner"), chosen);
        m_adder->addFolderFromField(chosen);
    }
    updateCountLabel();
    updateFolderWatch();
}

void Tprog::inp_ordnerKeyPress()
{
    const QString folder = inp_ordner->text();
    if (isFolder(folder))
        m_adder->addFolderFromField(folder);
    else
        m_feedback->showMessage(QStringLiteral("ordnerfalschopen"), folder);
    updateCountLabel();
    updateFolderWatch();
}

void Tprog::m_datei_openClick()
{
    m_adder->updateDaylightBias();
    const Language language = m_state.settings.language();
    const QStringList files = chooseFilesToOpen(this, uiText(UiText::OpenDialogTitle, language),
                                                uiText(UiText::OpenDialogFilter, language));
    m_adder->addChosenFiles(files);
}

void Tprog::updateFolderWatch()
{
    const QString folder = inp_ordner->text();
    if (!folder.isEmpty() && isFolder(folder) && inp_ow->isChecked())
        m_watch->activate(folder);
    else
        m_watch->deactivate();
}

void Tprog::onWatchEvent(WatchEvent event, const QString &path1, const QString &path2)
{
    m_adder->onWatchEvent(event, path1, path2);
}

bool Tprog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == inp_ordner && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            inp_ordnerKeyPress();
            return true;
        }
    } else if (watched == inp_ordner && event->type() == QEvent::MouseButtonDblClick) {
        inp_ordner->selectAll();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tprog::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tprog::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    // The drop is released first, so the program the files came from does not wait for the adding.
    QMetaObject::invokeMethod(
        this, [this, paths] { m_adder->addDroppedPaths(paths); }, Qt::QueuedConnection);
}
