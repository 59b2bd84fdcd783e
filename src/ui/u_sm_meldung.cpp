#include "ui/u_sm_meldung.h"

#include "app/program_state.h"
#include "common/message_catalogue.h"
#include "ui/modal_dialog.h"

#include <QLabel>
#include <QPushButton>

Tsm_meldung::Tsm_meldung(ProgramState &state, QWidget *mainWindow, QWidget *parent)
    : SmallDialog(state, mainWindow, parent), Label1(makeLabel(QStringLiteral("Label1"))),
      Label2(makeLabel(QStringLiteral("Label2"))), Label3(makeLabel(QStringLiteral("Label3"))),
      Label4(makeLabel(QStringLiteral("Label4"))), OK(makeButton(QStringLiteral("OK"), 0)),
      OKalle(makeButton(QStringLiteral("OKalle"), 1))
{
    setObjectName(QStringLiteral("sm_meldung"));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(OKalle, &QPushButton::clicked, this, [this] {
        m_state.okForAll = true;
        accept();
    });
    OKalle->hide();
    applyLanguage();
}

void Tsm_meldung::setMessage(const QString &key, const QString &path)
{
    OKalle->hide();
    const std::optional<MessageTexts> texts = messageTexts(key, m_state.settings.language());
    if (!texts)
        return;
    // The path is shortened to the width of a line, wherever the message names it.
    const auto withPath = [&path](const QLabel &line, QString text) {
        return text.replace(QStringLiteral("%1"), shortenedToLine(line, path));
    };
    Label1->setText(texts->title);
    Label2->setText(withPath(*Label2, texts->line2));
    if (texts->pathLine)
        Label3->setText(u'"' + shortenedToLine(*Label3, path, QStringLiteral("\"\"")) + u'"');
    else
        Label3->setText(withPath(*Label3, texts->line3));
    Label4->setText(withPath(*Label4, texts->line4));
    OKalle->setVisible(texts->okForAll);
    fitToTexts();
}

void Tsm_meldung::showMessage(const QString &key, const QString &path)
{
    setMessage(key, path);
    runDialog(*this);
}

void Tsm_meldung::applyLanguage()
{
    const Language language = m_state.settings.language();
    OK->setText(uiText(UiText::MessageOk, language));
    OKalle->setText(uiText(UiText::MessageOkForAll, language));
    fitToTexts();
}
