#pragma once
// The main window: the frame with its input, preview, columns-and-design and saving areas and
// the bottom bar, the menu bar, and the hand-over from later starts. It owns the shared program
// state; the view logic, the adding, the file-list commands, the list's pop-up menu, the
// configuration menu, the language switch and the help menus each own their part.
#include "app/program_exit.h"
#include "ui/program_windows.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <memory>
#include <optional>

class ConfigurationMenu;
class DesignArea;
class FileAdder;
class FileAdding;
class FileListCommands;
class HandOverReceiver;
class HandOverServer;
class HelpMenus;
class LanguageSwitch;
class ListPopup;
class MainPlacement;
class PreviewPane;
struct ProgramState;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class Qulist;
class Tstart;
class ViewLogic;
class WindowStartupOperations;

// The main window's client area when it is first shown.
inline constexpr QSize MainClientSize(826, 644);
// The least the client area shrinks to.
inline constexpr QSize MainClientMinimum(634, 478);

class Tprog : public QMainWindow {
    Q_OBJECT
public:
    Tprog(ProgramState &state, HandOverServer &handOver, Tstart &start, const QStringList &arguments,
          QWidget *parent = nullptr);
    ~Tprog() override;

    // The windows made after this one, handed over once, before the window shows.
    void useWindows(const ProgramWindows &windows);

    ProgramState &state() { return m_state; }
    // Every way out of the program comes here: "Beenden", closing this window or the start
    // window, the desktop's logout and the termination signals. Returns whether it ends.
    bool endProgram(ExitRequest request) { return m_exit->endProgram(request); }
    // Its signal `ending` comes once every window is hidden; ending the event loop is the caller's.
    ProgramExit &programExit() { return *m_exit; }
    Qulist *list() const { return qulist; }
    DesignArea *designArea() const { return m_design; }
    PreviewPane &preview() const { return *m_preview; }
    FileAdder &adder();
    FileAdding &adding() { return *m_adding; }
    ConfigurationMenu &configurations() { return *m_configurations; }
    MainPlacement &placement() { return *m_placement; }
    HelpMenus &help() const { return *m_help; }

    // Every caption of the current language: the main window's own language routine.
    void applyLanguage();
    void updateCountLabel();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildFrame();
    QWidget *buildInputArea();
    QWidget *buildSavingArea();
    // The right column is as wide as the widest section of the column options needs, so that
    // they never scroll sideways; at least its stated width.
    void fitRightColumn();
    QWidget *buildAreaBox(const QString &boxName, const QString &headerName, const QString &closeName,
                          QWidget *content);
    QWidget *buildBottomBar();
    void buildMenus(Tstart &start);
    void buildSettingsMenu(QMenu &settingsMenu, Tstart &start);
    // Items kept for the names they give, never shown.
    void addHiddenItems(QMenu &settingsMenu);
    void buildToolsMenu(QMenu &tools);
    void translateOutFormat();
    void onFirstShow();
    void handOverReceived(const QStringList &arguments);
    void bringToFront();
    // Every window goes once the program ends.
    void hideEveryWindow();

    ProgramState &m_state;
    QStringList m_arguments;
    std::optional<ProgramWindows> m_windows;
    HandOverReceiver *m_receiver = nullptr;
    ProgramExit *m_exit = nullptr;
    PreviewPane *m_preview = nullptr;
    std::unique_ptr<WindowStartupOperations> m_startup;
    MainPlacement *m_placement = nullptr;
    ViewLogic *m_view = nullptr;
    FileAdding *m_adding = nullptr;
    FileListCommands *m_fileListCommands = nullptr;
    ListPopup *m_listPopup = nullptr;
    ConfigurationMenu *m_configurations = nullptr;
    LanguageSwitch *m_languageSwitch = nullptr;
    HelpMenus *m_help = nullptr;
    bool m_shownOnce = false;

    QSplitter *Splitter1 = nullptr;
    QSplitter *Splitter2 = nullptr;
    QLineEdit *inp_ordner = nullptr;
    QPushButton *OpenOrdner = nullptr;
    QPushButton *bitbtn1 = nullptr;
    QCheckBox *inp_uv = nullptr;
    QCheckBox *inp_ow = nullptr;
    Qulist *qulist = nullptr;
    QLabel *la_anzahl = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    DesignArea *m_design = nullptr;
    QComboBox *out_format = nullptr;
    QAction *m_einst_ausgabe = nullptr;
    QAction *m_einst_filter = nullptr;
    QAction *m_einst_vorschau = nullptr;
    QAction *m_einstshortcuts = nullptr;
    QAction *m_tools_dateiumb = nullptr;
};
