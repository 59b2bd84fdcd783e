#pragma once
// The texts of the help window and of the window that reports a fault or a wish, in both
// languages.
#include "common/language.h"

#include <QString>

enum class HelpText {
    HelpCaption,       // "Tabulix - Hilfe und Info"
    ReportCaption,     // "Fehler oder Verbesserung melden"
    ReportNote,        // what the window does, and that it sends nothing itself
    ReportDescription, // "Beschreibung des Fehlers oder Wunsches:"
    ReportFacts,       // "Diese Angaben kommen mit:"
    ReportCopy,        // "In die Zwischenablage kopieren"
    ReportMail,        // "Im E-Mail-Programm öffnen"
    ReportClose,       // "Schließen"
    ReportCopied,      // "Der Bericht ist in der Zwischenablage."
    ReportNoMail,      // no mail program took the report
};

QString helpText(HelpText text, Language language);
