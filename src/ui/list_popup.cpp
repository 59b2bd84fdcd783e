// The pop-up menu of the file list: open, reveal in the file manager, properties, copy the
// files to the clipboard, remove the rows. It opens only over a selection.
#include "ui/list_popup.h"

#include "app/file_clipboard.h"
#include "collect/file_list.h"
#include "common/error_text.h"
#include "ui/file_facts_dialog.h"
#include "ui/file_manager_link.h"
#include "ui/modal_dialog.h"
#include "ui/named_widget.h"
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

ListPopup::ListPopup(QWidget &window, Qulist &list, FileList &rows, QAction &removeSelectedRows)
    : QObject(&window), m_window(window), qulist(&list), m_rows(rows)
{
    popupqulist = new QMenu(&window);
    popupqulist->setObjectName(QStringLiteral("popupqulist"));
    const std::pair<const char *, void (ListPopup::*)()> items[] = {{"pop0", &ListPopup::pop0Click},
                                                                    {"pop1", &ListPopup::pop1Click},
                                                                    {"pop2", &ListPopup::pop2Click},
                                                                    {"pop3", &ListPopup::pop3Click}};
    for (const auto &[name, handler] : items)
        namedAction(*popupqulist, name, this, handler);
    // The last item removes the rows as the command of the menu "Datei" does.
    namedAction(*popupqulist, "pop4", &removeSelectedRows, &QAction::trigger);
    m_fileManager = new FileManagerLink(this);
    qulist->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(qulist, &Qulist::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!qulist->selectedRowNumbers().isEmpty())
            popupqulist->popup(qulist->viewport()->mapToGlobal(at));
    });
}

QStringList ListPopup::selectedPaths() const
{
    QStringList paths;
    for (const int row : qulist->selectedRowNumbers())
        paths.append(m_rows.at(row).path());
    return paths;
}

void ListPopup::pop0Click()
{
    const QString path = selectedPaths().value(0);
    if (path.isEmpty())
        return;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), path, QMessageBox::Ok, &m_window);
    runDialog(box);
    // The desktop's default application for the file's type.
    if (QFileInfo(path).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ListPopup::pop1Click()
{
    const QString path = selectedPaths().value(0);
    if (QFileInfo(path).isFile())
        m_fileManager->showItem(path);
}

void ListPopup::pop2Click()
{
    const QList<int> rows = qulist->selectedRowNumbers();
    if (rows.isEmpty() || !QFileInfo(m_rows.at(rows.first()).path()).isFile())
        return;
    // The facts as they are now: the row may be gone when the file manager's answer comes.
    const FileEntry &entry = m_rows.at(rows.first());
    m_fileManager->showItemProperties(entry.path(),
                                      [this, title = entry.name, facts = rowFacts(m_rows, rows.first())] {
                                          showFileFacts(&m_window, title, facts);
                                      });
}

void ListPopup::pop3Click()
{
    const QStringList paths = pathsToCopy(selectedPaths());
    if (!paths.isEmpty())
        QGuiApplication::clipboard()->setMimeData(copiedFilesData(paths).release());
}
