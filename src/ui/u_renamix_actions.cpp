// The renaming window's commands: renaming, undoing, adding folders, the filter window, the
// preview, dropped files, its keys, the pop-up menu of its list and its placement.
#include "app/file_clipboard.h"
#include "app/program_state.h"
#include "common/message_catalogue.h"
#include "ui/dialog_placement.h"
#include "ui/dropped_paths.h"
#include "ui/file_dialogs.h"
#include "ui/file_facts_dialog.h"
#include "ui/file_manager_link.h"
#include "ui/modal_dialog.h"
#include "ui/named_widget.h"
#include "ui/u_renamix.h"
#include "ui/u_renamix_filter.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTreeView>

void TRenamix::UmbenennenClick()
{
    m_tool.renameAll();
    updateUndo();
    Vorschau();
}

void TRenamix::RueckgaengigClick()
{
    m_tool.undo();
    updateUndo();
    Vorschau();
}

void TRenamix::OrdnerOeffnenClick()
{
    const QString folder = chooseFolder(this, uiText(UiText::FolderDialogTitle, m_state.settings.language()),
                                        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (folder.isEmpty())
        return;
    m_state.settings.setValue(SettingsWindow::DU, quordner->objectName(), folder);
    m_tool.addFolder(folder);
}

void TRenamix::quordnerKeyPress()
{
    const QString folder = quordner->text();
    if (QFileInfo(folder).isDir())
        m_tool.addFolder(folder);
    else
        showMessage(QStringLiteral("ordnerfalschopen"), folder);
}

void TRenamix::FilterClick()
{
    m_filter->adjustSize();
    m_filter->move(placeOver(pos(), size(), m_filter->size()));
    runDialog(*m_filter);
}

void TRenamix::Vorschau()
{
    const RenamePreview preview = m_tool.preview();
    alterName->setText(preview.oldName);
    alterName->setToolTip(preview.oldTip);
    if (m_tool.previewedPath().isEmpty())
        return;
    neuerName->setText(preview.newName);
    neuerName->setToolTip(preview.newTip);
}

void TRenamix::previewSelectedEntry()
{
    if (const QStringList paths = selectedPaths(); !paths.isEmpty())
        m_tool.setPreviewedPath(paths.first());
    Vorschau();
}

void TRenamix::insertPlaceholder(const QString &placeholder)
{
    // The line edit replaces its selection and leaves the caret after the inserted text.
    maske->lineEdit()->insert(placeholder);
    Vorschau();
}

QList<int> TRenamix::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : qulist->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList TRenamix::selectedPaths() const
{
    QStringList paths;
    for (const int row : selectedRows())
        paths.append(m_tool.list().at(row).path);
    return paths;
}

void TRenamix::dragEnterEvent(QDragEnterEvent *event)
{
    acceptUrlDrag(event);
}

void TRenamix::dropEvent(QDropEvent *event)
{
    const QStringList paths = acceptDroppedPaths(event);
    m_tool.addDropped(paths);
}

bool TRenamix::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qulist && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            m_tool.removeRows(selectedRows());
            return true;
        }
    } else if (watched == qulist && event->type() == QEvent::KeyRelease) {
        previewSelectedEntry();
    } else if (watched == quordner && event->type() == QEvent::MouseButtonDblClick) {
        quordner->selectAll();
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (auto *label = qobject_cast<QLabel *>(watched); label && m_placeholders.contains(label)) {
            insertPlaceholder(label->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TRenamix::buildPopup()
{
    popupqulist = new QMenu(this);
    popupqulist->setObjectName(QStringLiteral("popupqulist"));
    const std::pair<const char *, void (TRenamix::*)()> items[] = {
        {"pop1", &TRenamix::pop1Click}, {"pop2", &TRenamix::pop2Click}, {"pop3", &TRenamix::pop3Click}};
    for (const auto &[name, handler] : items)
        namedAction(*popupqulist, name, this, handler);
    namedAction(*popupqulist, "pop4", this, [this] { m_tool.removeRows(selectedRows()); });
    qulist->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(qulist, &QTreeView::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!selectedRows().isEmpty())
            popupqulist->popup(qulist->viewport()->mapToGlobal(at));
    });
}

void TRenamix::pop1Click()
{
    const QString path = selectedPaths().value(0);
    if (QFileInfo(path).isFile())
        m_fileManager->showItem(path);
}

void TRenamix::pop2Click()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !QFileInfo(m_tool.list().at(rows.first()).path).isFile())
        return;
    // The facts as they are now: the entry may be gone when the file manager's answer comes.
    const RenameEntry &entry = m_tool.list().at(rows.first());
    m_fileManager->showItemProperties(
        entry.path, [this, title = QFileInfo(entry.path).fileName(),
                     facts = rowFacts(m_tool.list(), rows.first())] { showFileFacts(this, title, facts); });
}

void TRenamix::pop3Click()
{
    const QStringList paths = pathsToCopy(selectedPaths());
    if (!paths.isEmpty())
        QGuiApplication::clipboard()->setMimeData(copiedFilesData(paths).release());
}

void TRenamix::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    capturePlacement();
}

void TRenamix::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    capturePlacement();
}

void TRenamix::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        capturePlacement();
}

void TRenamix::capturePlacement()
{
    // A window never shown has no placement of its own: the settings' one stands.
    if (!isVisible())
        return;
    const QScopedValueRollback capturing(m_capturing, true);
    m_state.settings.setRenamerPlacement({isMaximized(), x(), y(), width(), height()});
}

void TRenamix::applyPlacement()
{
    if (m_capturing)
        return;
    const WindowPlacement placement = m_state.settings.renamerPlacement();
    if (placement.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(placement.width, placement.height);
    move(placement.left, placement.top);
}
