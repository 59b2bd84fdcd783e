#pragma once
// The fixed names and the texts of the desktop integration and of its window, in both languages.
#include "common/language.h"

#include <QString>
#include <QVector>

// The name of the entries for folders, all files and chosen types.
inline constexpr char verbKeyName[] = "QWMtabulix";
// The name of the "Send to" entry.
inline constexpr char sendToName[] = "QWM Tabulix";
inline constexpr BilingualText configurationTypeName{"QWM Tabulix Konfiguration",
                                                     "QWM Tabulix Configuration"};
inline constexpr BilingualText contextMenuText{"Zum Tabulix hinzufügen", "Add to Tabulix"};
inline constexpr BilingualText activeText{"Aktiv", "Activated"};
inline constexpr BilingualText inactiveText{"Nicht aktiv", "Not activated"};
// What the buttons of the chosen types did, which no status label shows; %1 lists the types.
inline constexpr BilingualText chosenTypesAddedText{"Verknüpft für %1", "Registered for %1"};
inline constexpr BilingualText chosenTypesRemovedText{"Entfernt", "Removed"};

// One caption of the shortcuts window: the component name of the control (or of the window
// itself) and its text in German and English.
struct ShortcutsCaption {
    const char *name;
    BilingualText caption;
};

// The object name of the window, the key of its caption.
inline constexpr char shortcutsWindowName[] = "einstshortcuts";

// Every caption of the window, its own first.
const QVector<ShortcutsCaption> &shortcutsCaptions();
// The caption of a component in the language; throws TabulixError for a name without one.
QString shortcutsCaption(const QString &name, Language language);
// The line that says whether the program runs with administrator rights.
QString administratorLine(bool runsAsAdministrator, Language language);
