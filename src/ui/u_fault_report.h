#pragma once
// The window that reports a fault or a wish: the user describes it, the facts of program and
// system come along, and the report goes to the clipboard or into the mail program. It sends
// nothing by itself.
#include "app/fault_report.h"
#include "ui/url_opener.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Settings;

class FaultReportWindow : public QWidget {
    Q_OBJECT
public:
    FaultReportWindow(Settings &settings, UrlOpener openUrl, QWidget *parent = nullptr);

    // Every caption and the facts in the current language; the description stays. The language
    // switch calls it.
    void applyLanguage();
    // The whole report in the current language.
    QString reportText() const;
    // The buttons: the report onto the clipboard, or a new mail of the mail program.
    void copyReport();
    void mailReport();

    QPlainTextEdit *const description;
    QPlainTextEdit *const facts;
    QPushButton *const copyButton;
    QPushButton *const mailButton;
    QPushButton *const closeButton;
    QLabel *const status;

private:
    Settings &m_settings;
    UrlOpener m_openUrl;
    const SystemFacts m_facts;
    QLabel *m_note;
    QLabel *m_descriptionLabel;
    QLabel *m_factsLabel;
};
