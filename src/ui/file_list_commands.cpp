#include "ui/file_list_commands.h"

#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_list_file.h"
#include "common/error_text.h"
#include "common/message_catalogue.h"
#include "ui/file_dialogs.h"
#include "ui/modal_dialog.h"
#include "ui/named_widget.h"
#include "ui/u_application.h"
#include "ui/u_preview_pane.h"
#include "ui/u_qulist.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The program's own dialog, the same on every desktop and drivable by tests. An empty path
// means it was cancelled.
QString chooseFileList(QWidget *parent, QFileDialog::AcceptMode mode, Language language)
{
    QFileDialog dialog(parent);
    chooseTypesByName(dialog);
    const bool saving = mode == QFileDialog::AcceptSave;
    dialog.setObjectName(saving ? QStringLiteral("sd_dateiliste") : QStringLiteral("od_dateiliste"));
    // An existing file is replaced without asking.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(uiText(UiText::FileListFilter, language));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (runDialog(dialog) != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

FileListCommands::FileListCommands(QMenu &fileMenu, QWidget &window, ProgramState &state, Qulist &list,
                                   PreviewPane &preview, FileAdder &adder, std::function<void()> updateCount)
    : QObject(&window), m_window(window), m_state(state), qulist(&list), m_preview(preview), m_adder(adder),
      m_updateCount(std::move(updateCount))
{
    const auto addItem = [&fileMenu, this](const char *name, void (FileListCommands::*handler)()) {
        return namedAction(fileMenu, name, this, handler);
    };
    addItem("m_dateiliste_save", &FileListCommands::m_dateiliste_saveClick);
    addItem("m_dateiliste_open", &FileListCommands::m_dateiliste_openClick);
    QAction *removeAll = addItem("m_datei_delall", &FileListCommands::removeAllRows);
    m_datei_delmark = addItem("m_datei_delmark", &FileListCommands::removeSelectedRows);
    connect(window.findChild<QPushButton *>(QStringLiteral("inp_deleteselect")), &QPushButton::clicked,
            m_datei_delmark, &QAction::trigger);
    connect(window.findChild<QPushButton *>(QStringLiteral("inp_deleteall")), &QPushButton::clicked,
            removeAll, &QAction::trigger);
    connect(qulist, &Qulist::deleteRequested, m_datei_delmark, &QAction::trigger);
}

void FileListCommands::m_dateiliste_saveClick()
{
    const Language language = m_state.settings.language();
    const QString path = chooseFileList(&m_window, QFileDialog::AcceptSave, language);
    if (path.isEmpty())
        return;
    if (m_state.fileList.count() == 0) {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), uiText(UiText::FileListEmpty, language),
                        QMessageBox::Ok, &m_window);
        runDialog(box);
        return;
    }
    QStringList paths;
    for (const FileEntry &row : m_state.fileList.rows())
        paths.append(row.path());
    runOrShowError([&] {
        writeFileList(paths, path, [this](const QString &text, const QString &picturePath) {
            m_preview.saveTextPicture(text, picturePath);
        });
    });
}

void FileListCommands::m_dateiliste_openClick()
{
    const QString path = chooseFileList(&m_window, QFileDialog::AcceptOpen, m_state.settings.language());
    if (path.isEmpty())
        return;
    QStringList lines;
    if (runOrShowError([&] { lines = readFileListFile(path); }))
        m_adder.addListedFiles(lines);
}

// Painting is suspended while rows go.
void FileListCommands::removeSelectedRows()
{
    qulist->setUpdatesEnabled(false);
    m_state.fileList.removeRowsAt(qulist->selectedRowNumbers());
    m_updateCount();
    qulist->setUpdatesEnabled(true);
    m_preview.refreshPreviewIfOn();
}

void FileListCommands::removeAllRows()
{
    qulist->setUpdatesEnabled(false);
    m_state.fileList.clear();
    m_updateCount();
    qulist->setUpdatesEnabled(true);
    m_preview.refreshPreviewIfOn();
}
