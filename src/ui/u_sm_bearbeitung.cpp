#include "ui/u_sm_bearbeitung.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
constexpr int ProgressHeight = 18;
} // namespace

Tsm_bearbeitung::Tsm_bearbeitung(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : SmallDialog(state, mainWindow, parent), Label1(makeLabel(QStringLiteral("Label1"))),
      Label2(makeLabel(QStringLiteral("Label2"))), Label3(makeLabel(QStringLiteral("Label3"))),
      Progress(new QProgressBar(this)), Abbrechen(makeButton(QStringLiteral("Abbrechen"), 0)),
      OK(makeButton(QStringLiteral("OK"), 1))
{
    setObjectName(QStringLiteral("sm_bearbeitung"));
    setModal(false);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setFixedHeight(ProgressHeight);
    Progress->setTextVisible(false);
    addLine(Progress);
    OK->hide();
    connect(Abbrechen, &QPushButton::clicked, this, &Tsm_bearbeitung::reject);
    applyLanguage();
}

void Tsm_bearbeitung::setProgress(const ProgressText &progress)
{
    Label1->setText(progress.title);
    Label2->setText(progress.line2);
    Label3->setText(progress.line3);
    Progress->setMaximum(progress.maximum);
    Progress->setValue(progress.value);
    fitToTexts();
}

void Tsm_bearbeitung::reject()
{
    // QDialog routes Escape and the window's close button here as well.
    m_cancelRequested = true;
}

void Tsm_bearbeitung::applyLanguage()
{
    const Language language = m_state.settings.language();
    OK->setText(uiText(UiText::MessageOk, language));
    Abbrechen->setText(uiText(UiText::Break, language));
    fitToTexts();
}
