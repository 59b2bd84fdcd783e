#pragma once
// The main window: the frame with its input, preview, columns-and-design and saving areas and
// the bottom bar, the menus, and the hand-over from later starts. It owns the shared program
// state; the preview pane, the adding feedback and the start-up operations do the rest.
#include "app/program_exit.h"
#include "app/startup_sequence.h"
#include "collect/folder_watch.h"
#include "common/settings.h"
#include "ui/url_opener.h"

#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <memory>

class DesignArea;
class FaultReportWindow;
class FileAdder;
class FileManagerLink;
class HandOverReceiver;
class HandOverServer;
enum class HelpPage;
class HelpWindow;
class PreviewPane;
struct ProgramState;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class Qulist;
class Teinstausgabe;
class Teinstshortcuts;
class Tprofilspeichern;
class TRenamix;
class Tsm_achtung;
class Tsm_bearbeitung;
class Tsm_filter;
class Tsm_meldung;
class Tstart;
class WindowAddingFeedback;
class WindowStartupOperations;

// The main window's client area when it is first shown.
inline constexpr QSize MainClientSize(826, 644);

class Tprog : public QMainWindow {
    Q_OBJECT
public:
    Tprog(ProgramState &state, HandOverServer &handOver, Tstart &start, const QStringList &arguments,
          QWidget *parent = nullptr);
    ~Tprog() override;

    // The windows made after this one: the type filter, the progress, the message dialog and
    // the overwrite confirmation.
    void useDialogs(Tsm_filter &filter, Tsm_bearbeitung &progress, Tsm_meldung &message,
                    Tsm_achtung &confirmation);
    // The output settings window, opened by its menu item; its changes refresh the output.
    void useOutputSettings(Teinstausgabe &window);
    // The profile window, opened by its menu item; the profiles it saves join the menu.
    void useProfileWindow(Tprofilspeichern &window);
    // The renaming tool, shown without blocking by its item of the menu "Tools".
    void useRenamer(TRenamix &window);
    // The shortcuts window, shown without blocking by its menu item.
    void useShortcutsWindow(Teinstshortcuts &window);

    ProgramState &state() { return m_state; }
    // Every way out of the program comes here: "Beenden", closing this window or the start
    // window, the desktop's logout and the termination signals. Returns whether it ends.
    bool endProgram(ExitRequest request) { return m_exit->endProgram(request); }
    // Its signal `ending` comes once every window is hidden; ending the event loop is the caller's.
    ProgramExit &programExit() { return *m_exit; }
    Qulist *list() const { return qulist; }
    DesignArea *designArea() const { return m_design; }
    PreviewPane &preview() const { return *m_preview; }
    FileAdder &adder() { return *m_adder; }
    FolderWatch &folderWatch() { return *m_watch; }
    StartupOperations &startupOperations();
    bool maximizeOnActivate() const { return m_maximizeOnActivate; }
    void setMaximizeOnActivate(bool on) { m_maximizeOnActivate = on; }

    // Every caption of the current language: the main window's own language routine.
    void applyLanguage();
    // The language switch: every window's captions once, in a fixed order, then the output
    // rebuilt once in the new language. Runs on every change of the settings' language.
    void sprachealles();

    // Reads a configuration into the settings, after the window's placement went into them;
    // a configuration loaded at start-up maximises the window only at its next activation.
    void loadConfiguration(LoadOrigin origin, const QString &path);
    // A known configuration at the end of the menu "Konfiguration", unless an entry of the
    // menu already names exactly this path.
    void addConfigurationToMenu(const QString &path);

    // The menu "Konfiguration". Failed saves show the error box and add no entry.
    void m_konfig_saveClick();
    void m_konfig_save_startClick();
    void m_konfig_save_profilClick();
    void m_konfig_loadClick();
    void m_konfig_standardClick();
    void m_konfig_startClick();

    void updateCountLabel();

    // Saves the rows' paths to a file-list file; adds the files a chosen list file names.
    void m_dateiliste_saveClick();
    void m_dateiliste_openClick();

    // The folder button and menu item; Enter in the folder field; the open-files dialog.
    void OrdnerWahlClick();
    void inp_ordnerKeyPress();
    void m_datei_openClick();
    // Watches the folder of the folder field while it names one and the switch is on.
    void updateFolderWatch();

    // Painting is suspended while rows go.
    void removeSelectedRows();
    void removeAllRows();

    // The help window on a page of the current language, and the fault-report window; each
    // exists once, made when first asked for.
    void showHelp(HelpPage page);
    void m_bugClick();
    HelpWindow *helpWindow() const { return m_helpWindow; }
    FaultReportWindow *faultReportWindow() const { return m_reportWindow; }
    // Web pages and mails go through this; tests put in their own.
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
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
    void buildMenus();
    void buildSettingsMenu();
    void buildConfigurationMenu();
    void addShortcutsAndLanguageItems(QMenu *settingsMenu);
    void buildToolsMenu();
    void buildHelpMenus();
    void showHelpMenuOfLanguage(Language language);
    // The four lines of the section "Weitere Funktionen" that lead to the maker's support page.
    void addFeatureRequestLines();
    void addAutoSaveSwitch(QMenu *menu, const char *name, MenuSwitch menuSwitch);
    // The client area at this size, the menu bar above it.
    void resizeClient(int width, int height);
    // The window's placement into the settings, and the settings' placement onto the window.
    void capturePlacement();
    void applyPlacement();
    void applySplitterSizes(const MainWindowPlacement &placement);
    bool saveStartConfiguration();
    void translateOutFormat();
    void onFirstShow();
    void handOverReceived(const QStringList &arguments);
    void bringToFront();
    // The automatic saving at the end, with the window's placement.
    void saveAutomatically();
    // Every window goes once the program ends.
    void hideEveryWindow();
    void onWatchEvent(WatchEvent event, const QString &path1, const QString &path2);

    // The menu "Ansicht" and the view logic. The four view switches decide which areas show;
    // the panel settings of the columns and areas follow them.
    void buildViewMenu();
    void toggleView(MenuSwitch area);
    void m_anz_inputClick();
    void arrangeView();
    // The restore buttons of the hidden areas, in slots as wide as the widest caption needs.
    void placeRestoreButtons();
    void showViewPanels();
    // The split of input and preview goes back to half and half unless a splitter moved.
    void FormResize(bool fromSplitter);
    void PanelsAnordnen();

    // The list's pop-up menu; each item works on the paths of the selected rows.
    void buildListPopup();
    QStringList selectedPaths() const;
    void pop0Click();
    void pop1Click();
    void pop2Click();
    void pop3Click();

    ProgramState &m_state;
    Tstart &m_start;
    QStringList m_arguments;
    HandOverReceiver *m_receiver = nullptr;
    ProgramExit *m_exit = nullptr;
    FolderWatch *m_watch = nullptr;
    PreviewPane *m_preview = nullptr;
    std::unique_ptr<WindowAddingFeedback> m_feedback;
    std::unique_ptr<WindowStartupOperations> m_startup;
    std::unique_ptr<FileAdder> m_adder;
    Tsm_filter *m_filter = nullptr;
    bool m_shownOnce = false;
    bool m_maximizeOnActivate = false;
    Tprofilspeichern *m_profileWindow = nullptr;
    TRenamix *m_renamer = nullptr;
    QAction *m_tools_dateiumb = nullptr;
    Teinstausgabe *m_outputSettings = nullptr;
    Teinstshortcuts *m_shortcutsWindow = nullptr;
    Tsm_bearbeitung *m_progress = nullptr;
    Tsm_meldung *m_message = nullptr;
    Tsm_achtung *m_confirmation = nullptr;
    // Capturing writes the placement into the settings, which must not move the window.
    bool m_capturingPlacement = false;
    // The origin of the load running now; placements come from the user otherwise.
    LoadOrigin m_loadOrigin = LoadOrigin::User;

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
    QMenu *m_konfig = nullptr;
    QAction *m_konfig_start = nullptr;
    QAction *m_einst_ausgabe = nullptr;
    QAction *m_einst_filter = nullptr;
    QAction *m_einst_vorschau = nullptr;
    QAction *m_einst_sprache_deutsch = nullptr;
    QAction *m_einst_sprache_english = nullptr;
    QMenu *popupqulist = nullptr;
    FileManagerLink *m_fileManager = nullptr;
    HelpWindow *m_helpWindow = nullptr;
    FaultReportWindow *m_reportWindow = nullptr;
    UrlOpener m_openUrl = openWithDesktop;
};
