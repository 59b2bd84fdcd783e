#include "ui/u_einstausgabe.h"

#include "app/program_state.h"
#include "app/table_output.h"
#include "encoding/text_encoding.h"
#include "table/output_settings.h"
#include "ui/output_settings_captions.h"
#include "ui/font_dialog.h"
#include "ui/named_widget.h"
#include "ui/u_settings_binding.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Teinstausgabe::Teinstausgabe(ProgramState &state, QWidget *parent)
    : QDialog(parent), BitBtn6(named<QPushButton>(this, "BitBtn6")),
      BitBtn1(named<QPushButton>(this, "BitBtn1")), Label3(named<QLabel>(this, "Label3")),
      Edit1(named<QLineEdit>(this, "Edit1")), Button1(named<QPushButton>(this, "Button1")), m_state(state)
{
    setObjectName(QString::fromUtf8(outputSettingsWindowName));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildPictureGroup());
    layout->addWidget(buildEncodingGroup());
    layout->addWidget(buildCsvGroup());
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(Button1);
    layout->addLayout(buttonRow);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    applyLanguage();
    // The size follows the captions of either language; the user cannot change it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox *Teinstausgabe::buildPictureGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox1");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(named<QLabel>(group, "Label1"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn6);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(Edit1);
    layout->addLayout(buttons);
    layout->addWidget(Label3);
    showPictureFont();
    connect(&m_state.settings, &Settings::pictureFontChanged, this, &Teinstausgabe::showPictureFont);

    bindLineEdit(Edit1, m_state.settings, SettingsWindow::EA);
    m_background = edit1Colour(Edit1->text()).value_or(QColor(Qt::white));
    showBackground();
    connect(Edit1, &QLineEdit::textChanged, this, &Teinstausgabe::Edit1Change);
    connect(BitBtn6, &QPushButton::clicked, this, &Teinstausgabe::choosePictureFont);
    connect(BitBtn1, &QPushButton::clicked, this, &Teinstausgabe::chooseBackgroundColour);
    return group;
}

QGroupBox *Teinstausgabe::buildEncodingGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox2");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(named<QLabel>(group, "Label2"));
    for (const TextEncodingRadio &radio : textEncodingRadios) {
        auto *button = new QRadioButton(group);
        button->setObjectName(nameOf(radio.radio));
        bindRadioButton(button, m_state.settings, SettingsWindow::EA);
        layout->addWidget(button);
    }
    layout->addWidget(named<QLabel>(group, "Label4"));
    auto *link = named<QLabel>(group, "Label9");
    const QString address = textFormatsWebAddress();
    link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    link->setOpenExternalLinks(true);
    layout->addWidget(link);
    return group;
}

QGroupBox *Teinstausgabe::buildCsvGroup()
{
    auto *group = named<QGroupBox>(this, "GroupBox3");
    auto *layout = new QVBoxLayout(group);
    auto *fields = new QFormLayout;
    const struct {
        const char *label;
        const char *field;
    } rows[] = {{"Label5", "csv_trenn"}, {"Label6", "csv_end"}, {"Label7", "csv_inc"}};
    for (const auto &[labelName, fieldName] : rows) {
        auto *field = named<QLineEdit>(group, fieldName);
        bindLineEdit(field, m_state.settings, SettingsWindow::EA);
        auto *label = named<QLabel>(group, labelName);
        label->setBuddy(field);
        fields->addRow(label, field);
    }
    layout->addLayout(fields);
    layout->addWidget(named<QLabel>(group, "Label8"));
    auto *lineBreaks = named<QCheckBox>(group, "csv_lb");
    bindCheckBox(lineBreaks, m_state.settings, SettingsWindow::EA);
    layout->addWidget(lineBreaks);
    return group;
}

void Teinstausgabe::applyLanguage()
{
    const Language language = m_state.settings.language();
    setWindowTitle(outputSettingsCaption(objectName(), language));
    for (const ControlText &caption : outputSettingsCaptions()) {
        const QString name = QString::fromUtf8(caption.component);
        const QString text = outputSettingsCaption(name, language);
        if (auto *button = findChild<QAbstractButton *>(name))
            button->setText(text);
        else if (auto *label = findChild<QLabel *>(name))
            label->setText(text);
        else if (auto *group = findChild<QGroupBox *>(name))
            group->setTitle(text);
    }
}

void Teinstausgabe::choosePictureFont()
{
    const StyledFont current = m_state.settings.pictureFont();
    const std::optional<QFont> font = chooseFont(current.font, this);
    if (!font)
        return;
    // The font dialog has no colour of its own; the text colour is chosen right after it.
    StyledFont chosen{*font, current.colour};
    const QColor colour = chooseColour(current.colour, this);
    if (colour.isValid())
        chosen.colour = colour;
    m_state.settings.setPictureFont(chosen);
}

void Teinstausgabe::chooseBackgroundColour()
{
    const QColor colour = chooseColour(m_background, this);
    if (colour.isValid())
        Edit1->setText(edit1Text(colour));
}

void Teinstausgabe::Edit1Change(const QString &text)
{
    const std::optional<QColor> colour = edit1Colour(text);
    if (!colour)
        return;
    m_background = *colour;
    showBackground();
}

void Teinstausgabe::showPictureFont()
{
    const StyledFont font = m_state.settings.pictureFont();
    Label3->setFont(font.font);
    QPalette palette = Label3->palette();
    palette.setColor(QPalette::WindowText, font.colour);
    Label3->setPalette(palette);
}

void Teinstausgabe::showBackground()
{
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, m_background);
    palette.setColor(QPalette::Text, readableTextColour(m_background));
    Edit1->setPalette(palette);
}
