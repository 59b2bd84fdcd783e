#pragma once
// Adding files in the main window: the folder button, its menu item and Enter in the folder
// field walk a folder; the open-files dialog (its menu item, a double-click on the list) and
// dropped paths add what they name; the folder watch follows the folder of the field.
#include "collect/folder_watch.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class FileAdder;
class PreviewPane;
struct ProgramState;
class QCheckBox;
class QLineEdit;
class QMenu;
class QWidget;
class Qulist;
class Tsm_bearbeitung;
class Tsm_meldung;
class WindowAddingFeedback;

class FileAdding : public QObject {
    Q_OBJECT
public:
    // Adds its items to `fileMenu`; finds the folder field, button and watch switch in `window`
    // by name, and lets `window` wait while a walk runs.
    FileAdding(QMenu &fileMenu, QWidget &window, ProgramState &state, Qulist &list, PreviewPane &preview,
               std::function<void()> updateCount);
    ~FileAdding() override;

    // Until the dialogs are handed over, messages and progress stay unseen.
    void useDialogs(Tsm_bearbeitung &progress, Tsm_meldung &message);
    FileAdder &adder() { return *m_adder; }
    FolderWatch &folderWatch() { return *m_watch; }
    void showMessage(const QString &key, const QString &path);
    void addDroppedPaths(const QStringList &paths);

private Q_SLOTS:
    void OrdnerWahlClick();
    void inp_ordnerKeyPress();
    void m_datei_openClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Watches the folder of the folder field while it names one and the switch is on.
    void updateFolderWatch();

    QWidget &m_window;
    ProgramState &m_state;
    QLineEdit *inp_ordner;
    QCheckBox *inp_ow;
    std::function<void()> m_updateCount;
    std::unique_ptr<WindowAddingFeedback> m_feedback;
    std::unique_ptr<FileAdder> m_adder;
    FolderWatch *m_watch = nullptr;
};
