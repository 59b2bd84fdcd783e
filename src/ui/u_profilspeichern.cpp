#include "ui/u_profilspeichern.h"

#include "app/program_state.h"
#include "common/configuration_texts.h"
#include "config/configuration_file.h"
#include "config/profile_groups.h"
#include "ui/configuration_dialogs.h"
#include "ui/dialog_placement.h"
#include "ui/u_application.h"
#include "ui/u_settings_binding.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

Tprofilspeichern::Tprofilspeichern(ProgramState &state, QWidget *parent)
    : QDialog(parent), alle(new QCheckBox(this)), Button1(new QPushButton(this)),
      Button2(new QPushButton(this)), m_state(state), m_group(new QGroupBox(this)),
      m_heading(new QLabel(m_group))
{
    setObjectName(QStringLiteral("profilspeichern"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);

    m_group->setObjectName(QStringLiteral("GroupBox1"));
    m_heading->setWordWrap(true);
    auto *groupLayout = new QVBoxLayout(m_group);
    groupLayout->addWidget(m_heading);
    alle->setObjectName(QStringLiteral("alle"));
    for (const ProfileGroup &entry : profileGroups()) {
        const QString name = nameOf(entry.checkBox);
        QCheckBox *box = name == alle->objectName() ? alle : new QCheckBox(m_group);
        box->setObjectName(name);
        bindCheckBox(box, m_state.settings, SettingsWindow::PS);
        groupLayout->addWidget(box);
        m_boxes.append(box);
    }
    connect(alle, &QCheckBox::clicked, this, &Tprofilspeichern::alleClick);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &Tprofilspeichern::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(Button1);
    buttonRow->addWidget(Button2);
    layout->addLayout(buttonRow);

    applyLanguage();
    // The size follows the captions of either language; the user cannot change it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tprofilspeichern::applyLanguage()
{
    const Language language = m_state.settings.language();
    setWindowTitle(configurationText(ConfigurationText::ProfileCaption, language));
    m_group->setTitle(configurationText(ConfigurationText::ProfileGroup, language));
    m_heading->setText(configurationText(ConfigurationText::ProfileHeading, language));
    Button1->setText(configurationText(ConfigurationText::ProfileSave, language));
    Button2->setText(configurationText(ConfigurationText::ProfileCancel, language));
    for (qsizetype i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(profileGroups()[i].caption.in(language));
}

void Tprofilspeichern::alleClick(bool checked)
{
    for (QCheckBox *box : std::as_const(m_boxes))
        if (box != alle)
            m_state.settings.setOn(SettingsWindow::PS, box->objectName(), checked);
}

void Tprofilspeichern::Button1Click()
{
    const QString path = chooseConfigurationToSave(this, m_state.settings.language());
    if (!path.isEmpty()) {
        if (!runOrShowError([&] { saveProfile(m_state.settings, path); }))
            return;
        Q_EMIT profileSaved(path);
    }
    accept();
}

void Tprofilspeichern::showEvent(QShowEvent *event)
{
    centreOnScreen(*this);
    QDialog::showEvent(event);
}
