// The preview switch, the three views, and the refresh that fills them.
#include "ui/u_preview_pane.h"

#include "app/program_state.h"
#include "app/table_output.h"
#include "table/search_page.h"
#include "ui/font_dialog.h"
#include "ui/lines_view.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_settings_binding.h"
#include "ui/u_sm_meldung.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton *viewButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QString::fromUtf8(name));
    button->setCheckable(true);
    return button;
}

} // namespace

PreviewPane::PreviewPane(ProgramState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_refreshTimer(new QTimer(this)), vor_text(viewButton("vor_text")),
      vor_pic(viewButton("vor_pic")), vor_web(viewButton("vor_web")), vor_txt(new LinesView),
      m_previewPicture(new QLabel), m_webView(new QTextBrowser),
      m_build(*this, [this](std::optional<BuiltOutput> output) {
          showOutput(std::move(output));
          m_upToDate = true;
          Q_EMIT refreshed();
      })
{
    setObjectName(QStringLiteral("vor_area"));
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, [this] { refreshAsAsked(Refresh::InBackground); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    auto *controls = new QHBoxLayout;
    auto *vor_okay = new QCheckBox;
    vor_okay->setObjectName(QStringLiteral("vor_okay"));
    bindCheckBox(vor_okay, m_state.settings, SettingsWindow::PB);
    connect(vor_okay, &QCheckBox::clicked, this, &PreviewPane::vor_okayClick);
    controls->addWidget(vor_okay);
    controls->addStretch(1);
    connect(vor_text, &QPushButton::clicked, this, &PreviewPane::vor_textClick);
    connect(vor_pic, &QPushButton::clicked, this, &PreviewPane::vor_picClick);
    connect(vor_web, &QPushButton::clicked, this, &PreviewPane::vor_webClick);
    for (QPushButton *button : {vor_text, vor_pic, vor_web})
        controls->addWidget(button);
    layout->addLayout(controls);

    // The views lie on top of each other; the text view is always there beneath.
    auto *views = new QGridLayout;
    vor_txt->setObjectName(QStringLiteral("vor_txt"));
    showTextViewLook();
    connect(&m_state.settings, &Settings::textViewLookChanged, this, &PreviewPane::showTextViewLook);
    auto *pictureView = new QScrollArea;
    pictureView->setObjectName(QStringLiteral("picture_view"));
    pictureView->setStyleSheet(QStringLiteral("QScrollArea#picture_view { border: 1px solid black; }"));
    m_previewPicture->setObjectName(QStringLiteral("preview_picture"));
    m_previewPicture->setAlignment(Qt::AlignCenter);
    m_previewPicture->setFixedSize(0, 0);
    pictureView->setWidget(m_previewPicture);
    m_pictureView = pictureView;
    m_webView->setObjectName(QStringLiteral("web_view"));
    for (QWidget *view : {static_cast<QWidget *>(vor_txt), m_pictureView, static_cast<QWidget *>(m_webView)})
        views->addWidget(view, 0, 0);
    layout->addLayout(views, 1);
    showPreviewView(PreviewView::Text);

    m_state.settings.watch(PB::out_format, this, [this] { out_formatChange(); });
    connect(&m_state.settings, &Settings::pictureFontChanged, this, &PreviewPane::refreshPreviewIfOn);
}

void PreviewPane::useDialogs(Tsm_meldung &message, Tsm_achtung &confirmation)
{
    m_message = &message;
    m_confirmation = &confirmation;
}

void PreviewPane::useOutputSettings(Teinstausgabe &window)
{
    m_outputSettings = &window;
    // Encodings change nothing shown; the background and the CSV options do.
    // The encodings do not show in the preview.
    connect(&m_state.settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::EA && definitionOf(id).kind != SettingKind::Radio)
            refreshPreviewIfOn();
    });
}

StyledFont PreviewPane::pictureFont() const
{
    return m_state.settings.pictureFont();
}

QColor PreviewPane::pictureBackgroundColour() const
{
    return m_outputSettings ? m_outputSettings->backgroundColour() : pictureBackground(m_state);
}

void PreviewPane::showMessage(const QString &key, const QString &path)
{
    if (m_message)
        m_message->showMessage(key, path);
}

void PreviewPane::showPreviewView(PreviewView view)
{
    m_shownView = view;
    const std::pair<QPushButton *, const char *> buttons[] = {
        {vor_text, "vor_text"}, {vor_pic, "vor_pic"}, {vor_web, "vor_web"}};
    for (int i = 0; i < 3; ++i) {
        const bool down = i == static_cast<int>(view);
        buttons[i].first->setChecked(down);
        m_state.settings.setOn(SettingsWindow::PB, QString::fromUtf8(buttons[i].second), down);
    }
    m_pictureView->setVisible(view == PreviewView::Picture);
    m_webView->setVisible(view == PreviewView::Web);
}

void PreviewPane::vor_textClick()
{
    showPreviewView(PreviewView::Text);
}

void PreviewPane::vor_picClick()
{
    showPreviewView(PreviewView::Picture);
}

void PreviewPane::vor_webClick()
{
    showPreviewView(PreviewView::Web);
}

void PreviewPane::out_formatChange()
{
    const PreviewChoice choice = previewChoiceFor(chosenOutputFormat(m_state));
    vor_text->setEnabled(true);
    vor_pic->setEnabled(choice.pictureButton);
    vor_web->setEnabled(choice.webButton);
    showPreviewView(choice.view);
    refreshPreviewIfOn();
}

void PreviewPane::vor_okayClick()
{
    AktualisierenClick();
}

void PreviewPane::m_einst_vorschauClick()
{
    const QString name = QStringLiteral("vor_okay");
    m_state.settings.setOn(SettingsWindow::PB, name, !m_state.settings.isOn(SettingsWindow::PB, name));
    vor_okayClick();
}

void PreviewPane::refreshPreviewIfOn()
{
    m_upToDate = false;
    // What is being made now is out of date as well.
    m_build.drop();
    if (!m_refreshTimer->isActive())
        m_refreshTimer->start();
}

void PreviewPane::runPendingRefresh()
{
    if (refreshPending())
        refreshAsAsked(Refresh::Now);
}

bool PreviewPane::refreshPending() const
{
    return m_refreshTimer->isActive() || m_build.busy();
}

void PreviewPane::refreshAsAsked(Refresh refresh)
{
    m_refreshTimer->stop();
    const bool rows = m_state.fileList.count() > 0;
    if (m_state.settings.isOn(PB::vor_okay)) {
        if (refresh == Refresh::InBackground && rows) {
            m_build.ask([sources = outputSources(m_state, LocaleFormat::system())](const std::atomic_bool &stop) {
                return buildOutput(sources, stop);
            });
        } else {
            AktualisierenClick();
        }
    }
    if (!rows)
        emptyPreview();
}

void PreviewPane::AktualisierenClick()
{
    // This refresh covers every one asked for before it.
    m_refreshTimer->stop();
    m_build.drop();
    const std::atomic_bool never = false;
    showOutput(buildOutput(outputSources(m_state, LocaleFormat::system()), never));
    m_upToDate = true;
    Q_EMIT refreshed();
}

void PreviewPane::showOutput(std::optional<BuiltOutput> output)
{
    // Output without lines leaves every view, and what copy and save take, as it was.
    if (!output || output->lines.isEmpty())
        return;
    const OutputFormat format = chosenOutputFormat(m_state);
    m_shownLines = std::move(output->lines);
    m_shownText = output->text.whole();
    vor_txt->setLines(std::move(output->text));
    if (previewChoiceFor(format).view == PreviewView::Web && m_shownView == PreviewView::Web)
        m_webView->setHtml(format == OutputFormat::Html ? pageWithoutScript(m_shownText) : m_shownText);
    if (isPictureFormat(format)) {
        if (const std::optional<QImage> picture = outputPicture()) {
            // The picture stands in a one-pixel black frame.
            QPixmap framed(picture->size() + QSize(2, 2));
            framed.fill(Qt::black);
            QPainter(&framed).drawImage(1, 1, *picture);
            m_previewPicture->setPixmap(framed);
            m_previewPicture->setFixedSize(picture->size() + QSize(10, 10));
        }
    }
}

void PreviewPane::emptyPreview()
{
    m_shownLines.clear();
    m_shownText.clear();
    vor_txt->clear();
    m_previewPicture->setPixmap(QPixmap());
    m_previewPicture->setFixedSize(0, 0);
    m_webView->setHtml(QString());
}

void PreviewPane::m_einst_vor_schriftClick()
{
    TextViewLook look = m_state.settings.textViewLook();
    const std::optional<QFont> font = chooseFont(look.font.font, window());
    if (!font)
        return;
    look.font.font = *font;
    m_state.settings.setTextViewLook(look);
}

void PreviewPane::m_einst_vor_hgClick()
{
    TextViewLook look = m_state.settings.textViewLook();
    const QColor colour = chooseColour(vor_txt->palette().color(QPalette::Base), window());
    if (!colour.isValid())
        return;
    look.background = colour;
    m_state.settings.setTextViewLook(look);
}

void PreviewPane::m_einst_vor_umbruchClick(bool wrap)
{
    TextViewLook look = m_state.settings.textViewLook();
    look.wraps = wrap;
    m_state.settings.setTextViewLook(look);
}

void PreviewPane::showTextViewLook()
{
    const TextViewLook look = m_state.settings.textViewLook();
    vor_txt->setFont(look.font.font);
    // Invalid colours leave the desktop's own.
    QPalette colours = vor_txt->palette();
    const QPalette desktop = QApplication::palette(vor_txt);
    colours.setColor(QPalette::Text,
                     look.font.colour.isValid() ? look.font.colour : desktop.color(QPalette::Text));
    colours.setColor(QPalette::Base,
                     look.background.isValid() ? look.background : desktop.color(QPalette::Base));
    vor_txt->setPalette(colours);
    // Wrapped lines need only the vertical scroll bar; unwrapped ones both.
    vor_txt->setWrapping(look.wraps);
    vor_txt->setHorizontalScrollBarPolicy(look.wraps ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}
