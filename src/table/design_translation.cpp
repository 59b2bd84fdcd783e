#include "table/design_translation.h"

#include "common/language.h"
#include "table/column_kinds.h"
#include "table/design_captions.h"

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
        {"des_allg_header", {{"Dateiliste", "File List"}}},
        {"act_attribute_hidden_ja", {{"versteckt", "hidden"}, {"ja", "yes"}}},
        {"act_attribute_hidden_nein", {{"nicht versteckt", "not hidden"}, {"nein", "no"}}},
        {"act_attribute_readonly_ja", {{"schreibgeschützt", "read only"}, {"ja", "yes"}}},
        {"act_attribute_readonly_nein", {{"nicht schreibgeschützt", "not read only"}, {"nein", "no"}}},
    };
    return fields;
}

} // namespace

void translateDesignTexts(Settings &settings, Language language)
{
    const bool german = isGerman(language);
    QVector<TranslatedField> fields = translatedFields();
    // The column headers, from the table of column kinds.
    for (int number = 1; number < ColumnKindCount; ++number) {
        const ColumnKindInfo &kind = columnKindInfo(ColumnKind(number));
        fields.append({kind.header, {{kind.headerGerman, kind.headerEnglish}}});
    }
    for (const TranslatedField &field : fields) {
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
    const QStringList others = designChoiceItems(grouping, german ? Language::English : Language::German);
    const int place = others.indexOf(settings.value(SettingsWindow::PB, grouping));
    if (place >= 0)
        settings.setValue(SettingsWindow::PB, grouping, designChoiceItems(grouping, language).at(place));
}
