#include "ui/u_fault_report.h"

#include "common/help_texts.h"
#include "common/settings.h"
#include "ui/named_widget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FaultReportWindow::FaultReportWindow(Settings &settings, UrlOpener openUrl, QWidget *parent)
    : QWidget(parent, Qt::Window), description(named<QPlainTextEdit>(this, "report_description")),
      facts(named<QPlainTextEdit>(this, "report_facts")), copyButton(named<QPushButton>(this, "report_copy")),
      mailButton(named<QPushButton>(this, "report_mail")),
      closeButton(named<QPushButton>(this, "report_close")), status(named<QLabel>(this, "report_status")),
      m_settings(settings), m_openUrl(std::move(openUrl)), m_facts(currentSystemFacts()),
      m_note(named<QLabel>(this, "report_note")),
      m_descriptionLabel(named<QLabel>(this, "report_description_label")),
      m_factsLabel(named<QLabel>(this, "report_facts_label"))
{
    setObjectName(QStringLiteral("fault_report"));
    m_note->setWordWrap(true);
    facts->setReadOnly(true);
    facts->setMaximumHeight(facts->fontMetrics().lineSpacing() * 10);
    status->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_note);
    layout->addWidget(m_descriptionLabel);
    layout->addWidget(description, 1);
    layout->addWidget(m_factsLabel);
    layout->addWidget(facts);
    layout->addWidget(status);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(mailButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    resize(560, 520);

    connect(copyButton, &QPushButton::clicked, this, &FaultReportWindow::copyReport);
    connect(mailButton, &QPushButton::clicked, this, &FaultReportWindow::mailReport);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // An old note would speak of a report that has changed since.
    connect(description, &QPlainTextEdit::textChanged, status, &QLabel::clear);
    applyLanguage();
}

void FaultReportWindow::applyLanguage()
{
    const Language language = m_settings.language();
    setWindowTitle(helpText(HelpText::ReportCaption, language));
    m_note->setText(helpText(HelpText::ReportNote, language));
    m_descriptionLabel->setText(helpText(HelpText::ReportDescription, language));
    m_factsLabel->setText(helpText(HelpText::ReportFacts, language));
    copyButton->setText(helpText(HelpText::ReportCopy, language));
    mailButton->setText(helpText(HelpText::ReportMail, language));
    closeButton->setText(helpText(HelpText::ReportClose, language));
    facts->setPlainText(systemFactsText(m_facts, language));
    status->clear();
}

QString FaultReportWindow::reportText() const
{
    return faultReportText(m_facts, m_settings.language(), description->toPlainText());
}

void FaultReportWindow::copyReport()
{
    QGuiApplication::clipboard()->setText(reportText());
    status->setText(helpText(HelpText::ReportCopied, m_settings.language()));
}

void FaultReportWindow::mailReport()
{
    const Language language = m_settings.language();
    if (m_openUrl(faultReportMailUrl(faultReportSubject(language), reportText())))
        status->clear();
    else
        status->setText(helpText(HelpText::ReportNoMail, language));
}
