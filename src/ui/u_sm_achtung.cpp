#include "ui/u_sm_achtung.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"

#include <QLabel>
#include <QPushButton>

Tsm_achtung::Tsm_achtung(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : SmallDialog(state, mainWindow, parent), Label1(makeLabel(QStringLiteral("Label1"))),
      Label2(makeLabel(QStringLiteral("Label2"))), Label3(makeLabel(QStringLiteral("Label3"))),
      Label4(makeLabel(QStringLiteral("Label4"))), Label5(blankLineAndLabel(QStringLiteral("Label5"))),
      OK(makeButton(QStringLiteral("OK"), 2)), Nein(makeButton(QStringLiteral("Nein"), 1)),
      Abbrechen(makeButton(QStringLiteral("Abbrechen"), 0))
{
    setObjectName(QStringLiteral("sm_achtung"));
    // Enter must not overwrite by accident.
    Nein->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { decide(true); });
    connect(Nein, &QPushButton::clicked, this, [this] { decide(false); });
    connect(Abbrechen, &QPushButton::clicked, this, [this] { decide(false); });
    applyLanguage();
}

QLabel *Tsm_achtung::blankLineAndLabel(const QString &name)
{
    // A blank line between the question and the warning.
    addBlankLine();
    return makeLabel(name);
}

void Tsm_achtung::setFilePath(const QString &path)
{
    Label3->setText(shortenedToLine(*Label3, path));
    fitToTexts();
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
    fitToTexts();
}
