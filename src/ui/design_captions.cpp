#include "ui/design_captions.h"

const QVector<ControlText> &designTexts()
{
    static const QVector<ControlText> texts = {
        {"Label6", "Welche Informationen sollen in die Tabelle?",
         "What Information should be written to your List?"},
        {"act_name_bb act_format_bb act_formatwin_bb act_size_bb act_datum_bb act_datumzugeg_bb "
         "act_datumch_bb act_attribute_bb act_attributero_bb act_exeprog_bb act_pfad_bb act_checksum_bb "
         "des_allg_bb des_spalte_bb des_tab_bb",
         "Optionen", "Options"},
        {"act_name_ed_label act_format_dateiformat_ed_label act_format_windowstyp_ed_label act_size_ed_label "
         "act_datum_erstellt_ed_label act_datum_zugegriffen_ed_label act_datum_changed_ed_label "
         "act_attribute_hidden_ed_label act_attribute_readonly_ed_label act_exeprog_ed_label "
         "act_pfad_ed_label",
         "Spaltenüberschrift:", "Column Header:"},
        {"act_name_rb act_format_dateiformat_rb act_format_windowstyp_rb act_size_rb act_datum_erstellt_rb "
         "act_datum_zugegriffen_rb act_datum_changed_rb act_attribute_hidden_rb act_attribute_readonly_rb "
         "act_exeprog_rb act_pfad_rb",
         "Spalte rechtsbündig ausrichten", "Right Align"},
        {"act_name", "Dateiname", "File Name"},
        {"act_name_endung", "Dateiendung anhängen", "Add File Extension"},
        {"act_name_htmllink act_pfad_htmllink", "Im HTML Format verlinken", "Link File in HTML Format"},
        {"act_format_dateiformat", "Dateiformat", "File Format"},
        {"act_format_windowstyp", "Windows Datei Typ", "Windows File Type"},
        {"act_size", "Dateigröße", "File Size"},
        {"act_size_showunit", "Name der Einheit anzeigen", "Show Unit Notation"},
        {"act_size_1000", "Tausender-Trennzeichen verwenden", "Use Thousand Separators"},
        {"Label2", "Verwendete Einheit:", "Used Unit:"},
        {"Label3", "Nachkommastellen:", "Decimal Places:"},
        {"act_datum_erstellt", "Datum: Erstellt", "Date: Created"},
        {"act_datum_zugegriffen", "Datum: Letzter Zugriff", "Date: Accessed"},
        {"act_datum_changed", "Datum: Geändert", "Date: Changed"},
        {"act_datum_erstellt_date act_datum_zugegriffen_date act_datum_changed_date", "Datum", "Date"},
        {"act_datum_erstellt_uhrzeit act_datum_zugegriffen_uhrzeit act_datum_changed_uhrzeit", "Uhrzeit",
         "Time"},
        {"act_datum_erstellt_format_label act_datum_zugegriffen_format_label act_datum_changed_format_label",
         "Format:", "Format:"},
        {"act_attribute_hidden", "Dateiattribut: Versteckt", "File Attribut: Hidden"},
        {"act_attribute_readonly", "Dateiattribut: Schreibgeschützt", "File Attribut: Read Only"},
        {"Label14 Label16", "Wenn ja:", "If yes:"},
        {"Label15 Label17", "Wenn nein:", "If no:"},
        {"act_exeprog", "Verknüpftes Programm", "Associated Application"},
        {"act_exeprog_pfad", "Pfad des verknüpften Programms", "File Path of associated Application"},
        {"act_exeprog_name", "Name des verknüpften Programms", "File Name of associated Application"},
        {"act_pfad", "Dateipfad", "File Path"},
        {"act_pfad_datei", "Dateiname", "File Name"},
        {"act_pfad_endung", "Dateiendung", "File Extension"},
        {"act_pfad_direkterordner", "Direkter Ordner", "Direct Folder"},
        {"act_pfad_kurz", "Pfad verkürzen", "Cut Path"},
        {"act_checksum", "Prüfsummen", "Checksums"},
        {"act_checksum_md5", "MD5", "MD5"},
        {"act_checksum_crc", "CRC32", "CRC32"},
        {"act_checksum_sha1", "SHA1", "SHA1"},
        {"act_checksum_sha256", "SHA256", "SHA256"},
        {"act_checksum_sha512", "SHA512", "SHA512"},
        {"act_checksum_md5_rb act_checksum_crc32_rb act_checksum_sha1_rb act_checksum_sha256_rb "
         "act_checksum_sha512_rb",
         "Rechtsbündig", "Right Align"},
        {"Label5", "Prüfsumme wird nur berechnet,", "Check Sums will only be calculated,"},
        {"Label10", "wenn die Datei kleiner ist als:", "if file is smaller than:"},
        {"act_checksum_max_unit", "KB", "KB"},
        {"Label37", "Hinweis: Es werden nur die Prüfsummen berechnet,",
         "Please note, that only the check sums activated"},
        {"Label38", "die beim Hinzufügen einer Datei aktiviert sind.",
         "when adding the file are calculated."},
        {"Label4", "Wie soll die Tabelle aussehen?", "How should the List look like?"},
        {"Label7", "Allgemeine Optionen", "General Options"},
        {"des_allg_header_cb", "Gesamt-Überschrift:", "General Header:"},
        {"des_allg_striche_cb", "Trennstriche mit:", "Hyphen with:"},
        {"des_allg_spaltenheader", "Spaltenüberschriften verwenden", "Use Column Headers"},
        {"des_allg_endeanzahl", "Information über Anzahl der Dateien am Ende",
         "Information about Number of Files at the End"},
        {"des_allg_endesize", "Information über Größe aller Dateien am Ende",
         "Information about Size of all Files at the End"},
        {"des_tab_padding", "Spaltenpadding mit:", "Padding with:"},
        {"des_tab_zeichen", "Trennzeichen:", "Delimiter:"},
        {"des_tab_zeichen_ende", "Trennzeichen am Zeilenende:", "Delimiter at the End of each Line:"},
        {"Label9", "Gruppierung", "Grouping"},
        {"des_grup_nein", "Ergebnis nicht gruppieren", "Do not group List"},
        {"des_grup_ja", "Ergebnis nach einer Spalte gruppieren", "Group List according to one Column"},
        {"Label11", "Gruppieren nach:", "Group according to:"},
        {"des_grup_header", "Überschrift über jeder Gruppe", "Header over each Group"},
        {"des_grup_oben", "Spaltenüberschriften bei jeder Gruppe", "Column Header over each Group"},
        {"des_grup_unten", "Endinfos (Anzahl und Größe) nach jeder Gruppe",
         "End-Information (Number, Size) after Groups"},
        {"Label8", "Reihenfolge der Spalten", "Order of Columns"},
        {"BitBtn5", "Nach oben (links)", "Move Up (Left)"},
        {"BitBtn6", "Nach unten (rechts)", "Move Down (Right)"},
        {"Label12", "So wie die Spalten in der", "As the Columns are sorted"},
        {"Label18", "Box von oben nach", "from top to bottom in"},
        {"Label30", "unten sortiert sind, sind", "the list, they are sorted"},
        {"Label31", "sie in der Tabelle von", "from left to right in your"},
        {"Label32", "links nach rechts sortiert.", "list."},
        {"Label13", "Weitere Funktionen", "More Functions"},
    };
    return texts;
}

QStringList textComponents(const ControlText &text)
{
    return QString::fromUtf8(text.component).split(u' ', Qt::SkipEmptyParts);
}
