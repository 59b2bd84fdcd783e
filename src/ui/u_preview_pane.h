#pragma once
// The preview area of the main window: the preview switch, the three views (text, picture,
// web page) and the output they show, which copying and saving take.
// Refreshes asked for while one event is handled run once, after it: a radio click that turns
// one setting on and another off, or a loaded configuration, rebuilds the table only once.
// The table is made on a thread of its own while the window goes on; a change before it is
// shown drops it, so only the newest is ever shown. Copying and saving run a waiting refresh
// first, on the spot, so they never take an older table.
#include "app/latest_build.h"
#include "app/output_build.h"
#include "table/output_targets.h"
#include "table/table_picture.h"

#include <QStringList>
#include <QWidget>
#include <optional>

struct ProgramState;
class QLabel;
class LinesView;
class QPushButton;
class QTextBrowser;
class QTimer;
class Teinstausgabe;
class Tsm_achtung;
class Tsm_meldung;

class PreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPane(ProgramState &state, QWidget *parent = nullptr);

    // The message dialog (a picture that cannot be made) and the overwrite confirmation.
    void useDialogs(Tsm_meldung &message, Tsm_achtung &confirmation);
    // The output settings window: pictures take its font and background, and its changes
    // that alter what is shown refresh the output.
    void useOutputSettings(Teinstausgabe &window);
    // Fresh-start values until the output settings window is handed over.
    StyledFont pictureFont() const;
    QColor pictureBackgroundColour() const;

    // Asks for a refresh, which starts once the current event is handled and only while the
    // preview is on; the shown output counts as out of date from now.
    void refreshPreviewIfOn();
    // Runs a refresh that was asked for and has not been shown yet, and waits for it.
    void runPendingRefresh();
    bool refreshPending() const;
    // Whether the views show the output of the current settings and rows.
    bool previewUpToDate() const { return m_upToDate; }

    // The output: rebuild and show it now, copy it, save it.
    void AktualisierenClick();
    void ZwischenablageClick();
    void SpeichernClick();
    // Draws text saved under a picture name into that picture; a failure shows the message.
    void saveTextPicture(const QString &text, const QString &path);

    // The preview's switch and its menu item, its view buttons, and the output format choice.
    void vor_okayClick();
    void m_einst_vorschauClick();
    void vor_textClick();
    void vor_picClick();
    void vor_webClick();
    void out_formatChange();

    // The text view's look: its font, its background, and whether long lines wrap.
    void m_einst_vor_schriftClick();
    void m_einst_vor_hgClick();
    void m_einst_vor_umbruchClick(bool wrap);
    // Shows the text view in the look its settings give.
    void showTextViewLook();

Q_SIGNALS:
    // The output was rebuilt from the rows and settings and shown.
    void refreshed();

private:
    enum class Refresh { InBackground, Now };
    void refreshAsAsked(Refresh refresh);
    void showOutput(std::optional<BuiltOutput> output);
    void showPreviewView(PreviewView view);
    void emptyPreview();
    // The last shown lines as a picture; tells the user when it cannot be drawn.
    std::optional<QImage> outputPicture();
    bool confirmOverwrite(const QString &path);
    void showMessage(const QString &key, const QString &path);

    ProgramState &m_state;
    Teinstausgabe *m_outputSettings = nullptr;
    Tsm_meldung *m_message = nullptr;
    Tsm_achtung *m_confirmation = nullptr;
    QTimer *m_refreshTimer;

    QPushButton *vor_text;
    QPushButton *vor_pic;
    QPushButton *vor_web;
    LinesView *vor_txt;
    QLabel *m_previewPicture;
    QTextBrowser *m_webView;
    QWidget *m_pictureView;
    PreviewView m_shownView = PreviewView::Text;
    // The lines and the text of the last output shown; copy and save take them.
    QStringList m_shownLines;
    QString m_shownText;
    bool m_upToDate = false;
    // Last, so that it stops before the views go.
    LatestBuild<std::optional<BuiltOutput>> m_build;
};
