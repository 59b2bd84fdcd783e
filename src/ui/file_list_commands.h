#pragma once
// The commands of the menu "Datei" that work on the list as a whole: save its paths to a
// file-list file, add the files such a file names, remove the selected or all rows (also by
// the buttons below the list and the Delete key).
#include <QObject>
#include <functional>

class FileAdder;
class PreviewPane;
struct ProgramState;
class QAction;
class QMenu;
class QWidget;
class Qulist;

class FileListCommands : public QObject {
    Q_OBJECT
public:
    // Adds its items to `fileMenu`; dialogs open over `window`, whose buttons it finds by name.
    FileListCommands(QMenu &fileMenu, QWidget &window, ProgramState &state, Qulist &list,
                     PreviewPane &preview, FileAdder &adder, std::function<void()> updateCount);

    // The item that removes the selected rows, which the list's pop-up menu offers too.
    QAction &removeSelectedRowsItem() const { return *m_datei_delmark; }

private Q_SLOTS:
    // Failed saves show the error box; an empty list is not saved.
    void m_dateiliste_saveClick();
    void m_dateiliste_openClick();
    void removeSelectedRows();
    void removeAllRows();

private:
    QWidget &m_window;
    ProgramState &m_state;
    Qulist *qulist;
    PreviewPane &m_preview;
    FileAdder &m_adder;
    std::function<void()> m_updateCount;
    QAction *m_datei_delmark = nullptr;
};
