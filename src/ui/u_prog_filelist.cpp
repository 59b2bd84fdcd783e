// The menu items that save the list's paths to a file-list file and read such a file back.
#include "app/program_state.h"
#include "collect/file_adder.h"
#include "collect/file_list_file.h"
#include "common/error_text.h"
#include "common/message_catalogue.h"
#include "ui/file_dialogs.h"
#include "ui/u_application.h"
#include "ui/u_preview_pane.h"
#include "ui/u_prog.h"

#include <QFileDialog>
#include <QMessageBox>

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
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

void Tprog::m_dateiliste_saveClick()
{
    const Language language = m_state.settings.language();
    const QString path = chooseFileList(this, QFileDialog::AcceptSave, language);
    if (path.isEmpty())
        return;
    if (m_state.fileList.count() == 0) {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), uiText(UiText::FileListEmpty, language),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    QStringList paths;
    for (const FileEntry &row : m_state.fileList.rows())
        paths.append(row.path());
    runOrShowError([&] {
        writeFileList(paths, path, [this](const QString &text, const QString &picturePath) {
            m_preview->saveTextPicture(text, picturePath);
        });
    });
}

void Tprog::m_dateiliste_openClick()
{
    const QString path = chooseFileList(this, QFileDialog::AcceptOpen, m_state.settings.language());
    if (path.isEmpty())
        return;
    QStringList lines;
    if (runOrShowError([&] { lines = readFileListFile(path); }))
        m_adder->addListedFiles(lines);
}
