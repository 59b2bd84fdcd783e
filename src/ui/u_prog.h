#pragma once
// The main window: the input, preview, columns-and-design and saving areas with the
// bottom bar. It owns the shared program state and carries out start-up and hand-overs.
#include "app/startup_sequence.h"
#include "collect/adding_feedback.h"
#include "collect/folder_watch.h"
#include "table/output_targets.h"
#include "table/table_picture.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class DesignArea;
class FileAdder;
class HandOverServer;
struct ProgramState;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTextBrowser;
class Qulist;
class HandOverReceiver;
class Teinstausgabe;
class Tsm_achtung;
class Tsm_bearbeitung;
class Tsm_filter;
class Tsm_meldung;
class Tstart;

class Tprog : public QMainWindow, public StartupOperations, public AddingFeedback {
    Q_OBJECT
public:
    Tprog(ProgramState &state, HandOverServer &handOver, Tstart &start, const QStringList &arguments,
          QWidget *parent = nullptr);
    ~Tprog() override;

    // The windows made after this one: the type filter, the progress, the message dialog and
    // the overwrite confirmation.
    void useDialogs(Tsm_filter &filter, Tsm_bearbeitung &progress, Tsm_meldung &message,
                    Tsm_achtung &confirmation);

    ProgramState &state() { return m_state; }
    Qulist *list() const { return qulist; }
    DesignArea *designArea() const { return m_design; }
    bool maximizeOnActivate() const { return m_maximizeOnActivate; }
    void setMaximizeOnActivate(bool on) { m_maximizeOnActivate = on; }

    // The main window's language routine: every caption of the current language.
    void Sprache();

    // Operations of start-up and hand-over (see StartupOperations).
    void updateDaylightBias() override;
    void addPath(const QString &path) override;
    void loadConfiguration(LoadOrigin origin, const QString &path) override;
    void addConfigurationToMenu(const QString &path) override;
    void refreshPreviewIfOn() override;
    void updateCountLabel() override;

    // What adding shows on its way (see AddingFeedback).
    void showMessage(const QString &key, const QString &path) override;
    void showProgress(const ProgressText &text) override;
    void hideProgress() override;
    void handlePendingEvents() override;
    bool takeCancelRequest() override;
    void suspendListPainting(bool suspended) override;

    // The folder button and menu item; Enter in the folder field; the open-files dialog.
    void OrdnerWahlClick();
    void inp_ordnerKeyPress();
    void m_datei_openClick();
    // Watches the folder of the folder field while it names one and the switch is on.
    void updateFolderWatch();
    FileAdder &adder() { return *m_adder; }
    FolderWatch &folderWatch() { return *m_watch; }

    // Remove the selected rows / all rows, painting suspended meanwhile.
    void BitBtn3Click();
    void BitBtn2Click();

    // The output: rebuild and show it, copy it, save it.
    void AktualisierenClick();
    void DesAusgeben(const QStringList &lines);
    void ZwischenablageClick();
    void SpeichernClick();
    // Whether the views show the output of the current settings and rows.
    bool previewUpToDate() const { return m_upToDate; }
    // The font pictures are drawn in.
    // The picture font and background of the output settings window (fresh-start values
    // until the window is handed over).
    PictureFont pictureFont() const;
    // The text view's look: its font, its background, and whether long lines wrap.
    void m_einst_vor_schriftClick();
    void m_einst_vor_hgClick();
    void m_einst_vor_umbruchClick(bool wrap);
    QColor pictureBackgroundColour() const;
    // The output settings window, opened by its menu item; its changes refresh the output.
    void useOutputSettings(Teinstausgabe &window);

    // The preview's switch, its menu item, its view buttons, and the output format choice.
    void vor_okayClick();
    void m_einst_vorschauClick();
    void vor_textClick();
    void vor_picClick();
    void vor_webClick();
    void out_formatChange();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    QWidget *buildInputArea();
    QWidget *buildAreaBox(const QString &boxName, const QString &headerName, const QString &closeName,
                          QWidget *content);
    QWidget *buildBottomBar();
    void buildMenus();
    void FormShow();
    void handOverReceived(const QStringList &arguments);
    void bringToFront();
    void saveAutomatically();
    void buildSettingsMenu();
    void onWatchEvent(WatchEvent event, const QString &path1, const QString &path2);
    QWidget *buildPreviewArea();
    QWidget *buildSavingArea();
    void showPreviewView(PreviewView view);
    void emptyPreview();
    void translateOutFormat();
    // The last shown lines as a picture; tells the user when it cannot be drawn.
    std::optional<QImage> outputPicture();
    void writeTextPicture(const QString &text, const QString &path);
    bool confirmOverwrite(const QString &path);

    ProgramState &m_state;
    Tstart &m_start;
    QStringList m_arguments;
    HandOverReceiver *m_receiver = nullptr;
    FolderWatch *m_watch = nullptr;
    std::unique_ptr<FileAdder> m_adder;
    Tsm_filter *m_filter = nullptr;
    Tsm_bearbeitung *m_progress = nullptr;
    Tsm_meldung *m_message = nullptr;
    Teinstausgabe *m_outputSettings = nullptr;
    Tsm_achtung *m_confirmation = nullptr;
    bool m_shownOnce = false;
    bool m_maximizeOnActivate = false;

    QSplitter *Splitter1 = nullptr;
    QSplitter *Splitter2 = nullptr;
    QLineEdit *inp_ordner = nullptr;
    QCheckBox *inp_uv = nullptr;
    QCheckBox *inp_ow = nullptr;
    Qulist *qulist = nullptr;
    QLabel *la_anzahl = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    DesignArea *m_design = nullptr;
    QMenu *m_konfig = nullptr;
    QAction *m_konfig_start = nullptr;

    QPushButton *vor_text = nullptr;
    QPushButton *vor_pic = nullptr;
    QPushButton *vor_web = nullptr;
    QPlainTextEdit *vor_txt = nullptr;
    QLabel *m_previewPicture = nullptr;
    QTextBrowser *m_webView = nullptr;
    QWidget *m_pictureView = nullptr;
    PreviewView m_shownView = PreviewView::Text;
    // The lines and the text of the last output shown; copy and save take them.
    QStringList m_shownLines;
    QString m_shownText;
    bool m_upToDate = false;
};
