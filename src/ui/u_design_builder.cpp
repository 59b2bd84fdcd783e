#include "ui/u_design_builder.h"

#include "table/design_choices.h"
#include "ui/design_captions.h"
#include "ui/u_settings_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The label before a field or list; fields without one (the checks' companions) give nullptr.
const char *labelOf(const QString &name)
{
    static const QHash<QString, const char *> labels = {
        {QStringLiteral("act_size_einheit"), "Label2"},
        {QStringLiteral("act_size_nks"), "Label3"},
        {QStringLiteral("act_attribute_hidden_ja"), "Label14"},
        {QStringLiteral("act_attribute_hidden_nein"), "Label15"},
        {QStringLiteral("act_attribute_readonly_ja"), "Label16"},
        {QStringLiteral("act_attribute_readonly_nein"), "Label17"},
        {QStringLiteral("des_grup"), "Label11"},
    };
    return labels.value(name, nullptr);
}

bool isWholeNumber(const QString &text)
{
    bool whole = false;
    text.toInt(&whole);
    return whole;
}

} // namespace

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

bool ChoiceKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *list = qobject_cast<QComboBox *>(watched);
    if (!list || event->type() != QEvent::KeyPress)
        return false;
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (typed.isEmpty())
        return false;
    const QChar character = typed.front();
    const bool backspace = character == u'\b';
    // Enter, Escape, Tab and the arrows keep their work.
    if (!character.isPrint() && !backspace)
        return false;
    if (!list->isEditable())
        return true;
    const bool digit = character >= u'0' && character <= u'9';
    return !((digit || backspace) && isWholeNumber(list->currentText()));
}

PanelBuilder::PanelBuilder(QWidget *panel, DesignBindings bindings)
    : m_panel(panel), m_layout(new QVBoxLayout(panel)), m_bindings(bindings)
{
    m_layout->setContentsMargins(18, 4, 6, 6);
    m_layout->setSpacing(3);
}

QCheckBox *PanelBuilder::check(const char *name)
{
    auto *control = new QCheckBox(m_panel);
    control->setObjectName(QString::fromUtf8(name));
    bindCheckBox(control, m_bindings.settings, SettingsWindow::PB);
    m_bindings.names.insert(control->objectName());
    return control;
}

QRadioButton *PanelBuilder::radio(const char *name)
{
    auto *control = new QRadioButton(m_panel);
    control->setObjectName(QString::fromUtf8(name));
    bindRadioButton(control, m_bindings.settings, SettingsWindow::PB);
    m_bindings.names.insert(control->objectName());
    return control;
}

QLineEdit *PanelBuilder::field(const char *name)
{
    auto *control = new QLineEdit(m_panel);
    control->setObjectName(QString::fromUtf8(name));
    bindLineEdit(control, m_bindings.settings, SettingsWindow::PB);
    m_bindings.names.insert(control->objectName());
    return control;
}

QComboBox *PanelBuilder::choice(const char *name)
{
    auto *control = new QComboBox(m_panel);
    control->setObjectName(QString::fromUtf8(name));
    const std::optional<SettingId> setting = findSetting(SettingsWindow::PB, control->objectName());
    control->setEditable(setting && isFreeTextChoice(*setting));
    // A fixed list is as wide as its longest item in either language.
    if (!control->isEditable())
        control->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (!control->isEditable() || control->objectName() == u"act_size_nks")
        control->installEventFilter(m_bindings.keys);
    bindComboBox(control, m_bindings.settings, SettingsWindow::PB);
    m_bindings.names.insert(control->objectName());
    return control;
}

QLabel *PanelBuilder::label(const QString &name)
{
    auto *caption = new QLabel(m_panel);
    caption->setObjectName(name);
    return caption;
}

void PanelBuilder::row(std::initializer_list<QWidget *> controls)
{
    auto *line = new QHBoxLayout;
    for (QWidget *control : controls)
        line->addWidget(control);
    line->addStretch(1);
    m_layout->addLayout(line);
}

void PanelBuilder::setting(const char *name)
{
    const QString component = QString::fromUtf8(name);
    switch (m_bindings.settings.kind(SettingsWindow::PB, component)) {
    case SettingKind::Check:
        row({check(name)});
        return;
    case SettingKind::Radio:
        row({radio(name)});
        return;
    case SettingKind::Text:
        // Header fields and the date formats carry a label named after them.
        row({label(component + QStringLiteral("_label")), field(name)});
        return;
    case SettingKind::Choice: {
        const char *caption = labelOf(component);
        row({label(caption ? QString::fromUtf8(caption) : component + QStringLiteral("_label")),
             choice(name)});
        return;
    }
    case SettingKind::Panel:
        break;
    }
}
