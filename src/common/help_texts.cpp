#include "common/help_texts.h"

QString helpText(HelpText text, Language language)
{
    static const BilingualText texts[] = {
        {"Tabulix - Hilfe und Info", "Tabulix - Help and Information"},
        {"Fehler oder Verbesserung melden", "Report Bug or Improvement"},
        {"Beschreiben Sie den Fehler oder Ihren Wunsch. Tabulix sendet nichts von selbst: Kopieren Sie "
         "den Bericht in die Zwischenablage oder öffnen Sie ihn in Ihrem E-Mail-Programm.",
         "Describe the bug or your wish. Tabulix sends nothing by itself: copy the report to the "
         "clipboard or open it in your mail program."},
        {"Beschreibung des Fehlers oder Wunsches:", "Description of the Bug or Wish:"},
        {"Diese Angaben kommen mit:", "These Details come along:"},
        {"In die Zwischenablage kopieren", "Copy to Clipboard"},
        {"Im E-Mail-Programm öffnen", "Open in Mail Program"},
        {"Schließen", "Close"},
        {"Der Bericht ist in der Zwischenablage.", "The report is on the clipboard."},
        {"Kein E-Mail-Programm hat den Bericht übernommen. Kopieren Sie ihn in die Zwischenablage.",
         "No mail program took the report. Copy it to the clipboard instead."},
    };
    return texts[static_cast<int>(text)].in(language);
}
