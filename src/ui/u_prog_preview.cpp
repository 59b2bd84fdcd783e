// The main window's preview and saving areas: the output format choice, the preview switch,
// the three views and the refresh that fills them.
#include "app/program_state.h"
#include "app/table_output.h"
#include "ui/u_einstausgabe.h"
#include "ui/u_prog.h"
#include "ui/u_settings_binding.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr OutputFormat outFormatItems[] = {OutputFormat::Txt, OutputFormat::Csv, OutputFormat::Gif,
                                           OutputFormat::Jpg, OutputFormat::Bmp, OutputFormat::Htm};

QStringList outFormatChoices(Language language)
{
    QStringList items;
    for (const OutputFormat format : outFormatItems)
        items.append(outFormatItem(format, language));
    return items;
}

QPushButton *viewButton(const char *name)
{
    auto *button = new QPushButton;
    button->setObjectName(QString::fromUtf8(name));
    button->setCheckable(true);
    return button;
}

} // namespace

QWidget *Tprog::buildPreviewArea()
{
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("vor_area"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(6, 4, 6, 4);

    auto *controls = new QHBoxLayout;
    auto *vor_okay = new QCheckBox;
    vor_okay->setObjectName(QStringLiteral("vor_okay"));
    bindCheckBox(vor_okay, m_state.settings, SettingsWindow::PB);
    connect(vor_okay, &QCheckBox::clicked, this, &Tprog::vor_okayClick);
    controls->addWidget(vor_okay);
    controls->addStretch(1);
    vor_text = viewButton("vor_text");
    vor_pic = viewButton("vor_pic");
    vor_web = viewButton("vor_web");
    connect(vor_text, &QPushButton::clicked, this, &Tprog::vor_textClick);
    connect(vor_pic, &QPushButton::clicked, this, &Tprog::vor_picClick);
    connect(vor_web, &QPushButton::clicked, this, &Tprog::vor_webClick);
    for (QPushButton *button : {vor_text, vor_pic, vor_web})
        controls->addWidget(button);
    layout->addLayout(controls);

    // The views lie on top of each other; the text view is always there beneath.
    auto *views = new QGridLayout;
    vor_txt = new QPlainTextEdit;
    vor_txt->setObjectName(QStringLiteral("vor_txt"));
    vor_txt->setReadOnly(true);
    vor_txt->setLineWrapMode(QPlainTextEdit::NoWrap);
    vor_txt->setFont(QFont(QStringLiteral("Courier New"), 8));
    auto *pictureView = new QScrollArea;
    pictureView->setObjectName(QStringLiteral("picture_view"));
    pictureView->setStyleSheet(QStringLiteral("QScrollArea#picture_view { border: 1px solid black; }"));
    m_previewPicture = new QLabel;
    m_previewPicture->setObjectName(QStringLiteral("preview_picture"));
    m_previewPicture->setAlignment(Qt::AlignCenter);
    m_previewPicture->setFixedSize(0, 0);
    pictureView->setWidget(m_previewPicture);
    m_pictureView = pictureView;
    m_webView = new QTextBrowser;
    m_webView->setObjectName(QStringLiteral("web_view"));
    for (QWidget *view : {static_cast<QWidget *>(vor_txt), m_pictureView, static_cast<QWidget *>(m_webView)})
        views->addWidget(view, 0, 0);
    layout->addLayout(views, 1);
    showPreviewView(PreviewView::Text);

    connect(&m_state.settings, &Settings::changed, this, [this](SettingsWindow window, const QString &name) {
        if (window != SettingsWindow::PB)
            return;
        if (name == u"vor_okay") {
            if (auto *menuItem = findChild<QAction *>(QStringLiteral("m_einst_vorschau")))
                menuItem->setChecked(m_state.settings.isOn(SettingsWindow::PB, name));
        } else if (name == u"out_format")
            out_formatChange();
    });
    return area;
}

QWidget *Tprog::buildSavingArea()
{
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("sav_area"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(6, 4, 6, 4);
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("out_format_label"));
    layout->addWidget(label);
    auto *out_format = new QComboBox;
    out_format->setObjectName(QStringLiteral("out_format"));
    out_format->setEditable(false);
    setChoiceItems(out_format, outFormatChoices(m_state.settings.language()), m_state.settings,
                   SettingsWindow::PB);
    bindComboBox(out_format, m_state.settings, SettingsWindow::PB);
    layout->addWidget(out_format);
    layout->addStretch(1);
    // The preview shows what the format at start calls for.
    out_formatChange();
    return area;
}

void Tprog::translateOutFormat()
{
    const Language language = m_state.settings.language();
    setChoiceItems(findChild<QComboBox *>(QStringLiteral("out_format")), outFormatChoices(language),
                   m_state.settings, SettingsWindow::PB);
    const QString name = QStringLiteral("out_format");
    const QString item =
        outFormatItem(outputFormatOf(m_state.settings.value(SettingsWindow::PB, name)), language);
    if (m_state.settings.value(SettingsWindow::PB, name) != item)
        m_state.settings.setValue(SettingsWindow::PB, name, item);
}

PictureFont Tprog::pictureFont() const
{
    return m_outputSettings ? m_outputSettings->pictureFont() : defaultPictureFont();
}

QColor Tprog::pictureBackgroundColour() const
{
    return m_outputSettings ? m_outputSettings->backgroundColour() : pictureBackground(m_state);
}

void Tprog::useOutputSettings(Teinstausgabe &window)
{
    m_outputSettings = &window;
    connect(findChild<QAction *>(QStringLiteral("m_einst_ausgabe")), &QAction::triggered, &window,
            &QDialog::exec);
    connect(&window, &Teinstausgabe::pictureFontChanged, this, &Tprog::VorschauWennAktiv);
    // Encodings change nothing shown; the background and the CSV options do.
    connect(&m_state.settings, &Settings::changed, this, [this](SettingsWindow source, const QString &name) {
        if (source == SettingsWindow::EA && !name.startsWith(u"rb_"))
            VorschauWennAktiv();
    });
}

void Tprog::showPreviewView(PreviewView view)
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

void Tprog::vor_textClick()
{
    showPreviewView(PreviewView::Text);
}

void Tprog::vor_picClick()
{
    showPreviewView(PreviewView::Picture);
}

void Tprog::vor_webClick()
{
    showPreviewView(PreviewView::Web);
}

void Tprog::out_formatChange()
{
    const PreviewChoice choice = previewChoiceFor(chosenOutputFormat(m_state));
    vor_text->setEnabled(true);
    vor_pic->setEnabled(choice.pictureButton);
    vor_web->setEnabled(choice.webButton);
    showPreviewView(choice.view);
    VorschauWennAktiv();
}

void Tprog::vor_okayClick()
{
    AktualisierenClick();
}

void Tprog::m_einst_vorschauClick()
{
    const QString name = QStringLiteral("vor_okay");
    m_state.settings.setOn(SettingsWindow::PB, name, !m_state.settings.isOn(SettingsWindow::PB, name));
    vor_okayClick();
}

void Tprog::VorschauWennAktiv()
{
    if (m_state.settings.isOn(SettingsWindow::PB, QStringLiteral("vor_okay")))
        AktualisierenClick();
    else
        m_upToDate = false;
    if (m_state.fileList.count() == 0)
        emptyPreview();
}

void Tprog::AktualisierenClick()
{
    DesAusgeben(buildOutputLines(m_state, LocaleFormat::system()));
    m_upToDate = true;
}

void Tprog::DesAusgeben(const QStringList &lines)
{
    // Output without lines leaves every view, and what copy and save take, as it was.
    if (lines.isEmpty())
        return;
    const OutputFormat format = chosenOutputFormat(m_state);
    m_shownLines = lines;
    m_shownText =
        outputText(lines, format, m_state.settings.isOn(SettingsWindow::EA, QStringLiteral("csv_lb")));
    vor_txt->setPlainText(m_shownText);
    if (format == OutputFormat::Htm && m_shownView == PreviewView::Web)
        m_webView->setHtml(m_shownText);
    if (isPictureFormat(format)) {
        if (const std::optional<QImage> picture = outputPicture()) {
            m_previewPicture->setPixmap(QPixmap::fromImage(*picture));
            m_previewPicture->setFixedSize(picture->size() + QSize(10, 10));
        }
    }
}

void Tprog::emptyPreview()
{
    m_shownLines.clear();
    m_shownText.clear();
    vor_txt->clear();
    m_previewPicture->setPixmap(QPixmap());
    m_previewPicture->setFixedSize(0, 0);
    m_webView->setHtml(QString());
}

void Tprog::m_einst_vor_schriftClick()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, vor_txt->font(), this);
    if (chosen)
        vor_txt->setFont(font);
}

void Tprog::m_einst_vor_hgClick()
{
    const QColor colour = QColorDialog::getColor(vor_txt->palette().color(QPalette::Base), this);
    if (!colour.isValid())
        return;
    QPalette colours = vor_txt->palette();
    colours.setColor(QPalette::Base, colour);
    vor_txt->setPalette(colours);
}

void Tprog::m_einst_vor_umbruchClick(bool wrap)
{
    // Wrapped lines need only the vertical scroll bar; unwrapped ones both.
    vor_txt->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    vor_txt->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}
