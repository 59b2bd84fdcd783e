// The pop-up menu of the file list: open, reveal in the file manager, properties, copy the
// files to the clipboard, remove the rows. It opens only over a selection.
#include "app/file_clipboard.h"
#include "app/program_state.h"
#include "common/error_text.h"
#include "ui/file_facts_dialog.h"
#include "ui/file_manager_link.h"
#include "ui/u_prog.h"
#include "ui/u_qulist.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

void Tprog::buildListPopup()
{
    popupqulist = new QMenu(this);
    popupqulist->setObjectName(QStringLiteral("popupqulist"));
    const std::pair<const char *, void (Tprog::*)()> items[] = {{"pop0", &Tprog::pop0Click},
                                                                {"pop1", &Tprog::pop1Click},
                                                                {"pop2", &Tprog::pop2Click},
                                                                {"pop3", &Tprog::pop3Click},
                                                                {"pop4", &Tprog::removeSelectedRows}};
    for (const auto &[name, handler] : items) {
        QAction *action = popupqulist->addAction(QString());
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, handler);
    }
    m_fileManager = new FileManagerLink(this);
    qulist->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(qulist, &Qulist::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!qulist->selectedRowNumbers().isEmpty())
            popupqulist->popup(qulist->viewport()->mapToGlobal(at));
    });
}

QStringList Tprog::selectedPaths() const
{
    QStringList paths;
    for (const int row : qulist->selectedRowNumbers())
        paths.append(m_state.fileList.at(row).path());
    return paths;
}

void Tprog::pop0Click()
{
    const QString path = selectedPaths().value(0);
    if (path.isEmpty())
        return;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), path, QMessageBox::Ok, this);
    box.exec();
    // The desktop's default application for the file's type.
    if (QFileInfo(path).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void Tprog::pop1Click()
{
    const QString path = selectedPaths().value(0);
    if (QFileInfo(path).isFile())
        m_fileManager->showItem(path);
}

void Tprog::pop2Click()
{
    const QList<int> rows = qulist->selectedRowNumbers();
    if (rows.isEmpty() || !QFileInfo(m_state.fileList.at(rows.first()).path()).isFile())
        return;
    // The facts as they are now: the row may be gone when the file manager's answer comes.
    const FileEntry &entry = m_state.fileList.at(rows.first());
    m_fileManager->showItemProperties(
        entry.path(), [this, title = entry.name, facts = rowFacts(m_state.fileList, rows.first())] {
            showFileFacts(this, title, facts);
        });
}

void Tprog::pop3Click()
{
    const QStringList paths = pathsToCopy(selectedPaths());
    if (!paths.isEmpty())
        QGuiApplication::clipboard()->setMimeData(copiedFilesData(paths).release());
}
