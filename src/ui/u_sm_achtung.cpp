#include "ui/u_sm_achtung.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"
#include "common/minimize_path.h"

#include <QLabel>
#include <QPushButton>

Tsm_achtung::Tsm_achtung(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : SmallDialog(state, mainWindow, parent), Label1(makeLabel(QStringLiteral("Label1"), 0)),
      Label2(makeLabel(QStringLiteral("Label2"), 1)), Label3(makeLabel(QStringLiteral("Label3"), 2)),
      Label4(makeLabel(QStringLiteral("Label4"), 3)), Label5(makeLabel(QStringLiteral("Label5"), 4)),
      OK(makeButton(QStringLiteral("OK"), 2)), Nein(makeButton(QStringLiteral("Nein"), 1)),
      Abbrechen(makeButton(QStringLiteral("Abbrechen"), 0))
{
    setObjectName(QStringLiteral("sm_achtung"));
    // A blank line between the question and the warning.
    Label5->move(Label5->x(), Label5->y() + lineHeight);
    // Enter must not overwrite by accident.
    Nein->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { decide(true); });
    connect(Nein, &QPushButton::clicked, this, [this] { decide(false); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { decide(false); });
    applyLanguage();
}

void Tsm_achtung::setFilePath(const QString &path)
{
    Label3->setText(minimizePath(path, textWidth));
}

void Tsm_achtung::decide(bool overwrite)
{
    m_overwrite = overwrite;
    accept();
}

void Tsm_achtung::applyLanguage()
{
    const Language language = m_state.settings.language();
    Label1->setText(uiText(UiText::ConfirmTitle, language));
    Label2->setText(uiText(UiText::ConfirmExists, language));
    Label4->setText(uiText(UiText::ConfirmOverwrite, language));
    Label5->setText(uiText(UiText::ConfirmCannotRestore, language));
    OK->setText(uiText(UiText::ConfirmYes, language));
    Nein->setText(uiText(UiText::ConfirmNo, language));
    Abbrechen->setText(uiText(UiText::Break, language));
}
