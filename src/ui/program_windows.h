#pragma once
// The windows the main window opens or hands work to; all outlive it.
class Teinstausgabe;
class Teinstshortcuts;
class Tprofilspeichern;
class TRenamix;
class Tsm_achtung;
class Tsm_bearbeitung;
class Tsm_filter;
class Tsm_meldung;

struct ProgramWindows {
    Tsm_filter &filter;
    Tsm_bearbeitung &progress;
    Tsm_meldung &message;
    Tsm_achtung &confirmation;
    Teinstausgabe &outputSettings;
    Tprofilspeichern &profile;
    TRenamix &renamer;
    Teinstshortcuts &shortcuts;
};
