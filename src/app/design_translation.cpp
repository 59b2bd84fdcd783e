#include "app/design_translation.h"

#include "app/design_captions.h"
#include "app/language.h"

namespace {

struct DefaultPair {
    const char *german;
    const char *english;
};

struct TranslatedField {
    const char *component;
    // Longer texts first, so that "no" never eats into "not hidden".
    QVector<DefaultPair> pairs;
};

const QVector<TranslatedField> &translatedFields()
{
    static const QVector<TranslatedField> fields = {
        {"act_format_windowstyp_ed", {{"Typ", "Type"}}},
        {"act_size_ed", {{"Dateigröße", "File Size"}}},
        {"act_datum_erstellt_ed", {{"Erstellt", "Created"}}},
        {"act_datum_zugegriffen_ed", {{"Zugegriffen", "Accessed"}}},
        {"act_datum_changed_ed", {{"Geändert", "Changed"}}},
        {"act_attribute_hidden_ed", {{"Versteckt", "Hidden"}}},
        {"act_attribute_readonly_ed", {{"Schreibgeschützt", "Read Only"}}},
        {"act_exeprog_ed", {{"Verknüpft mit", "Associated with"}}},
        {"act_pfad_ed", {{"Dateipfad", "File Path"}}},
        {"des_allg_header", {{"Dateiliste", "File List"}}},
        {"act_attribute_hidden_ja", {{"versteckt", "hidden"}, {"ja", "yes"}}},
        {"act_attribute_hidden_nein", {{"nicht versteckt", "not hidden"}, {"nein", "no"}}},
        {"act_attribute_readonly_ja", {{"schreibgeschützt", "read only"}, {"ja", "yes"}}},
        {"act_attribute_readonly_nein", {{"nicht schreibgeschützt", "not read only"}, {"nein", "no"}}},
    };
    return fields;
}

} // namespace

void translateDesignTexts(Settings &settings, const QString &language)
{
    const bool german = isGerman(language);
    for (const TranslatedField &field : translatedFields()) {
        const QString name = QString::fromUtf8(field.component);
        QString text = settings.value(SettingsWindow::PB, name);
        for (const DefaultPair &pair : field.pairs) {
            const QString from = QString::fromUtf8(german ? pair.english : pair.german);
            const QString to = QString::fromUtf8(german ? pair.german : pair.english);
            text.replace(from, to, Qt::CaseSensitive);
        }
        settings.setValue(SettingsWindow::PB, name, text);
    }

    const QString grouping = QStringLiteral("des_grup");
    const QStringList others =
        designChoiceItems(grouping, german ? QStringLiteral("en") : QStringLiteral("de"));
    const int place = others.indexOf(settings.value(SettingsWindow::PB, grouping));
    if (place >= 0)
        settings.setValue(SettingsWindow::PB, grouping, designChoiceItems(grouping, language).at(place));
}
