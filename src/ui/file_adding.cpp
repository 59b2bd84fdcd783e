// The main window's ways of adding files: the folder field and dialog, the open dialog, dropped
// paths, and the folder watch.
#include "ui/file_adding.h"

#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_facts.h"
#include "common/message_catalogue.h"
#include "ui/file_dialogs.h"
#include "ui/u_adding_feedback.h"
#include "ui/u_qulist.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

FileAdding::FileAdding(QMenu &fileMenu, QWidget &window, ProgramState &state, Qulist &list,
                       PreviewPane &preview, std::function<void()> updateCount)
    : QObject(&window), m_window(window), m_state(state),
      inp_ordner(window.findChild<QLineEdit *>(QStringLiteral("inp_ordner"))),
      inp_ow(window.findChild<QCheckBox *>(QStringLiteral("inp_ow"))), m_updateCount(updateCount),
      m_feedback(std::make_unique<WindowAddingFeedback>(window, list, state.fileList, preview,
                                                        std::move(updateCount))),
      m_adder(std::make_unique<FileAdder>(state, *m_feedback, &state.fileList.icons()))
{
    QAction *open = fileMenu.addAction(QString());
    open->setObjectName(QStringLiteral("m_datei_open"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &FileAdding::m_datei_openClick);
    QAction *folder = fileMenu.addAction(QString());
    folder->setObjectName(QStringLiteral("m_datei_ordner"));
    connect(folder, &QAction::triggered, this, &FileAdding::OrdnerWahlClick);
    connect(window.findChild<QPushButton *>(QStringLiteral("OpenOrdner")), &QPushButton::clicked, this,
            &FileAdding::OrdnerWahlClick);
    connect(&list, &Qulist::listDoubleClicked, this, &FileAdding::m_datei_openClick);
    inp_ordner->installEventFilter(this);

    // The folder watch, inactive until a folder is chosen and the switch is on.
    m_watch = new FolderWatch(this);
    connect(m_watch, &FolderWatch::notified, this,
            [this](WatchEvent event, const QString &path1, const QString &path2) {
                m_adder->onWatchEvent(event, path1, path2);
            });
    // The watch switch starts and stops the watch however it changes: a click or a configuration.
    m_state.settings.watch(PB::inp_ow, this, [this] { updateFolderWatch(); });
}

FileAdding::~FileAdding() = default;

void FileAdding::useDialogs(Tsm_bearbeitung &progress, Tsm_meldung &message)
{
    m_feedback->useDialogs(progress, message);
}

void FileAdding::showMessage(const QString &key, const QString &path)
{
    m_feedback->showMessage(key, path);
}

void FileAdding::addDroppedPaths(const QStringList &paths)
{
    m_adder->addDroppedPaths(paths);
}

void FileAdding::OrdnerWahlClick()
{
    const QString typed = inp_ordner->text();
    QString start = typed;
    if (!isFolder(start))
        start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!isFolder(start))
        start = QDir::homePath();
    const QString chosen =
        chooseFolder(&m_window, uiText(UiText::FolderDialogTitle, m_state.settings.language()), start);
    // A cancelled dialog adds nothing and leaves the field as it was.
    if (!chosen.isEmpty()) {
        m_state.settings.setValue(PB::inp_ordner, chosen);
        m_adder->addFolderFromField(chosen);
    }
    m_updateCount();
    updateFolderWatch();
}

void FileAdding::inp_ordnerKeyPress()
{
    const QString folder = inp_ordner->text();
    if (isFolder(folder))
        m_adder->addFolderFromField(folder);
    else
        m_feedback->showMessage(QStringLiteral("ordnerfalschopen"), folder);
    m_updateCount();
    updateFolderWatch();
}

void FileAdding::m_datei_openClick()
{
    m_adder->updateDaylightBias();
    const Language language = m_state.settings.language();
    const QStringList files = chooseFilesToOpen(&m_window, uiText(UiText::OpenDialogTitle, language),
                                                uiText(UiText::OpenDialogFilter, language));
    m_adder->addChosenFiles(files);
}

void FileAdding::updateFolderWatch()
{
    const QString folder = inp_ordner->text();
    if (!folder.isEmpty() && isFolder(folder) && inp_ow->isChecked())
        m_watch->activate(folder);
    else
        m_watch->deactivate();
}

bool FileAdding::eventFilter(QObject *watched, QEvent *event)
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
    return QObject::eventFilter(watched, event);
}
