#include "ui/u_design_area.h"

#include "app/program_state.h"
#include "table/design_choices.h"
#include "ui/design_captions.h"
#include "ui/design_sections.h"
#include "ui/frame_pictures.h"
#include "ui/u_design_options.h"
#include "ui/u_design_wheel.h"
#include "ui/u_settings_binding.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The heading that stands above a section's header: the columns part and the layout part.
const char *headingOf(const QString &header)
{
    if (header == u"apanel10")
        return "Label6";
    if (header == u"apanel80")
        return "Label4";
    return nullptr;
}

const QStringList customChoices = {QStringLiteral("act_attribute_hidden_ja"),
                                   QStringLiteral("act_attribute_hidden_nein"),
                                   QStringLiteral("act_attribute_readonly_ja"),
                                   QStringLiteral("act_attribute_readonly_nein"),
                                   QStringLiteral("des_tab_z"),
                                   QStringLiteral("des_tab_pz")};

QFrame *sectionPanel(const char *name)
{
    auto *panel = new QFrame;
    panel->setObjectName(QString::fromUtf8(name));
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return panel;
}

} // namespace

DesignArea::DesignArea(ProgramState &state, QScrollArea *box)
    : m_state(state), m_box(box), m_stack(new QVBoxLayout(this)), m_keys(new ChoiceKeys(this))
{
    setObjectName(QStringLiteral("design_area"));
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
    const QVector<DesignSection> &sections = designSections();
    for (int index = 0; index < sections.size(); ++index) {
        m_stack->addWidget(buildHeader(sections.at(index)));
        m_stack->addWidget(buildOptions(sections.at(index), index));
    }
    m_stack->addStretch(1);
    box->setWidget(this);
    m_wheel = new OptionsWheel(box, this);

    Settings &settings = m_state.settings;
    connect(&settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::PB)
            settingChanged(nameOf(id));
    });
    connect(&settings, &Settings::columnOrderChanged, this, &DesignArea::refreshRequested);
    for (const char *name : {"Label11", "des_grup", "des_grup_header", "des_grup_oben", "des_grup_unten"})
        if (QWidget *control = findChild<QWidget *>(QString::fromUtf8(name)))
            m_groupingControls.append(control);
    des_grup_jaClick();
    applyLanguage();
}

QFrame *DesignArea::buildHeader(const DesignSection &section)
{
    QFrame *header = sectionPanel(section.header);
    auto *column = new QVBoxLayout(header);
    column->setContentsMargins(4, 2, 4, 2);
    if (const char *heading = headingOf(header->objectName())) {
        auto *title = new QLabel(header);
        title->setObjectName(QString::fromUtf8(heading));
        title->setStyleSheet(QStringLiteral("font-weight: bold;"));
        // A long heading wraps instead of widening the column past its window.
        title->setWordWrap(true);
        column->addWidget(title);
    }
    auto *row = new QHBoxLayout;
    column->addLayout(row);
    if (section.activation) {
        auto *on = new QCheckBox(header);
        on->setObjectName(QString::fromUtf8(section.activation));
        bindCheckBox(on, m_state.settings, SettingsWindow::PB);
        m_settingNames.insert(on->objectName());
        row->addWidget(on);
    }
    const QString options = QString::fromUtf8(section.options);
    if (section.label) {
        auto *caption = new ClickLabel(header);
        caption->setObjectName(QString::fromUtf8(section.label));
        caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
        if (section.button)
            connect(caption, &ClickLabel::clicked, this, [this, options] { toggleOptions(options); });
        row->addWidget(caption);
    }
    row->addStretch(1);
    if (section.button) {
        auto *button = new QPushButton(header);
        button->setObjectName(QString::fromUtf8(section.button));
        connect(button, &QPushButton::clicked, this, [this, options] { toggleOptions(options); });
        row->addWidget(button);
    }
    bindPanel(header, m_state.settings, SettingsWindow::PB);
    m_panels.insert(header->objectName());
    return header;
}

QFrame *DesignArea::buildOptions(const DesignSection &section, int index)
{
    QFrame *panel = sectionPanel(section.options);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, shiftedColour(palette().color(QPalette::Button), -5));
    panel->setPalette(colours);

    PanelBuilder builder(panel, DesignBindings{m_state.settings, m_settingNames, m_keys});
    if (section.activation)
        buildColumnOptions(ColumnKind(index + 1), builder);
    else if (panel->objectName() == u"apanel81")
        buildGeneralOptions(builder);
    else if (panel->objectName() == u"apanel91")
        buildGroupingOptions(builder);
    else if (panel->objectName() == u"apanel101")
        buildOrderOptions(builder, m_state.settings);
    bindPanel(panel, m_state.settings, SettingsWindow::PB);
    m_panels.insert(panel->objectName());
    return panel;
}

void DesignArea::toggleOptions(const QString &options)
{
    m_state.settings.setOn(SettingsWindow::PB, options, !m_state.settings.isOn(SettingsWindow::PB, options));
}

void DesignArea::settingChanged(const QString &name)
{
    if (m_panels.contains(name)) {
        arrangePanels();
        return;
    }
    if (name == u"des_grup_ja" || name == u"des_grup_nein")
        des_grup_jaClick();
    if (customChoices.contains(name))
        act_attribute_hidden_jaChange(name);
    if (m_settingNames.contains(name))
        Q_EMIT refreshRequested();
}

void DesignArea::arrangePanels()
{
    restack();
    Q_EMIT refreshRequested();
}

void DesignArea::restack()
{
    // The box takes the new height and scroll range now, not at the next pass of the event loop;
    // the scroll position stays where it was (within the new range).
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_box, &request);
    m_stack->activate();
}

int DesignArea::widestSection()
{
    int widest = 0;
    for (int index = 0; index < m_stack->count(); ++index) {
        QWidget *section = m_stack->itemAt(index)->widget();
        if (!section)
            continue;
        // Captions changed just now: the section's layout measures them anew.
        if (QLayout *rows = section->layout())
            rows->activate();
        widest = qMax(widest, section->minimumSizeHint().width());
    }
    const QMargins margins = m_stack->contentsMargins();
    return widest + margins.left() + margins.right();
}

void DesignArea::des_grup_jaClick()
{
    const bool grouped = m_state.settings.isOn(PB::des_grup_ja);
    for (QWidget *control : std::as_const(m_groupingControls))
        control->setEnabled(grouped);
}

void DesignArea::act_attribute_hidden_jaChange(const QString &name)
{
    if (!isCustomChoice(m_state.settings.value(SettingsWindow::PB, name)))
        return;
    m_state.settings.setValue(SettingsWindow::PB, name, QString());
    if (auto *list = findChild<QComboBox *>(name))
        list->setFocus(Qt::OtherFocusReason);
}

void DesignArea::applyLanguage()
{
    const Language language = m_state.settings.language();
    for (const ControlText &text : designTexts()) {
        const QString caption = progText(text, language);
        for (const QString &name : textComponents(text)) {
            QWidget *control = findChild<QWidget *>(name);
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->setText(caption);
            else if (auto *label = qobject_cast<QLabel *>(control))
                label->setText(caption);
        }
    }
    // New items first, so that the translated choices find their items.
    for (QComboBox *list : findChildren<QComboBox *>())
        if (const std::optional<SettingId> setting = findSetting(SettingsWindow::PB, list->objectName()))
            setChoiceItems(list, designChoiceItems(*setting, language), m_state.settings, SettingsWindow::PB);
}
