#include "ui/u_renamix_filter.h"

#include "common/settings.h"
#include "renamer/renamer_texts.h"
#include "ui/renamer_captions.h"
#include "ui/control_captions.h"
#include "ui/named_widget.h"
#include "ui/typed_characters.h"
#include "ui/u_settings_binding.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TRenamix_filter::TRenamix_filter(Settings &settings, QWidget *parent)
    : QDialog(parent), alle(named<QRadioButton>(this, "alle")), auswahl(named<QRadioButton>(this, "auswahl")),
      filter(named<QLineEdit>(this, "filter")), m_settings(settings)
{
    setObjectName(QStringLiteral("TRenamix_filter"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);
    bindRadioButton(alle, settings, SettingsWindow::DF);
    bindRadioButton(auswahl, settings, SettingsWindow::DF);
    bindLineEdit(filter, settings, SettingsWindow::DF);
    refuseTypedCharacters(filter, NameRefusals);
    auto *ok = named<QPushButton>(this, "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(named<QLabel>(this, "LabelFrage"));
    layout->addWidget(alle);
    layout->addWidget(auswahl);
    layout->addWidget(filter);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(ok);
    layout->addLayout(buttonRow);

    applyEnabled();
    connect(&settings, &Settings::changed, this, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::DF)
            applyEnabled();
    });
    applyLanguage();
}

void TRenamix_filter::applyEnabled()
{
    filter->setEnabled(m_settings.isOn(SettingsWindow::DF, auswahl->objectName()));
}

void TRenamix_filter::applyLanguage()
{
    applyCaptions(*this, renamixFilterTexts(), m_settings.language());
}
