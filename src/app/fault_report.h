#pragma once
// The report of a fault or a wish: what the user describes and the facts of the program and
// system the maker needs to follow it. The program never sends a report; the user copies it or
// hands it to the mail program.
#include "common/language.h"

#include <QString>
#include <QUrl>

struct SystemFacts {
    QString programVersion;
    QString qtVersion;    // the Qt library the program runs with
    QString system;       // the distribution's name and version
    QString kernel;       // kernel type and version
    QString architecture; // of the processor
    QString locale;       // the system locale's name
};

// The facts of this run.
SystemFacts currentSystemFacts();

// The facts as lines "Name: value", with the interface language and the maker's support page.
QString systemFactsText(const SystemFacts &facts, Language language);
// The whole report: a heading, the description (a note when the user wrote nothing), the facts.
QString faultReportText(const SystemFacts &facts, Language language, const QString &description);
QString faultReportSubject(Language language);

// A mailto: address without recipient whose subject and body are percent-encoded, the body's
// line ends as CR LF, as mail programs expect.
QUrl faultReportMailUrl(const QString &subject, const QString &body);
