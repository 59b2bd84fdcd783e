#pragma once
// The pop-up menu of the file list: open, reveal in the file manager, properties, copy the
// files to the clipboard, remove the rows. It opens only over a selection, and each item works
// on the paths of the selected rows.
#include <QObject>
#include <QStringList>

class FileList;
class FileManagerLink;
class QAction;
class QMenu;
class QWidget;
class Qulist;

class ListPopup : public QObject {
    Q_OBJECT
public:
    // The dialogs open over `window`; the last item triggers `removeSelectedRows`.
    ListPopup(QWidget &window, Qulist &list, FileList &rows, QAction &removeSelectedRows);

private Q_SLOTS:
    void pop0Click();
    void pop1Click();
    void pop2Click();
    void pop3Click();

private:
    QStringList selectedPaths() const;

    QWidget &m_window;
    Qulist *qulist;
    FileList &m_rows;
    QMenu *popupqulist;
    FileManagerLink *m_fileManager;
};
