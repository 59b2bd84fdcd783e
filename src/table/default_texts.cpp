#include "table/default_texts.h"

#include "table/column_kinds.h"
#include "table/column_order.h"
#include "table/design_captions.h"
#include "table/output_format.h"

namespace {

struct TranslatedField {
    SettingId component;
    // Longer texts first, so that "no" never eats into "not hidden".
    QVector<BilingualText> pairs;
};

const QVector<TranslatedField> &translatedFields()
{
    static const QVector<TranslatedField> fields = {
        {PB::des_allg_header.id, {{"Dateiliste", "File List"}}},
        {PB::act_attribute_hidden_ja.id, {{"versteckt", "hidden"}, {"ja", "yes"}}},
        {PB::act_attribute_hidden_nein.id, {{"nicht versteckt", "not hidden"}, {"nein", "no"}}},
        {PB::act_attribute_readonly_ja.id, {{"schreibgeschützt", "read only"}, {"ja", "yes"}}},
        {PB::act_attribute_readonly_nein.id, {{"nicht schreibgeschützt", "not read only"}, {"nein", "no"}}},
    };
    return fields;
}

Language otherLanguage(Language language)
{
    return isGerman(language) ? Language::English : Language::German;
}

// Every occurrence of `from` becomes `to`, except where `to` already stands: "Type" holds the
// German "Typ", and an English text must not grow into "Typee" when it is translated again.
QString replaceDefault(const QString &text, const QString &from, const QString &to)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype index = 0; index < text.size();) {
        const QStringView rest = QStringView(text).mid(index);
        const bool atFrom = rest.startsWith(from);
        const bool atTo = rest.startsWith(to);
        // Where both stand, the longer one is what the text says.
        if (atFrom && !(atTo && to.size() > from.size())) {
            result += to;
            index += from.size();
        } else if (atTo) {
            result += to;
            index += to.size();
        } else {
            result += text[index++];
        }
    }
    return result;
}

// Header fields, title and yes/no texts: every occurrence of a default is replaced.
void replaceDefaults(Settings &settings, Language language)
{
    QVector<TranslatedField> fields = translatedFields();
    for (int number = 1; number < ColumnKindCount; ++number) {
        const ColumnKindInfo &kind = columnKindInfo(ColumnKind(number));
        fields.append({kind.header->id, {kind.headerDefault}});
    }
    for (const TranslatedField &field : fields) {
        QString text = settings.value(field.component);
        for (const BilingualText &pair : field.pairs)
            text = replaceDefault(text, pair.in(otherLanguage(language)), pair.in(language));
        settings.setValue(field.component, text);
    }
}

// A grouping choice of the other language becomes the item at the same place.
void translateGrouping(Settings &settings, Language language)
{
    const QStringList others = designChoiceItems(PB::des_grup, otherLanguage(language));
    const int place = int(others.indexOf(settings.value(PB::des_grup)));
    if (place >= 0)
        settings.setValue(PB::des_grup, designChoiceItems(PB::des_grup, language).at(place));
}

// The output format is always one of the items of the language.
void translateOutputFormat(Settings &settings, Language language)
{
    const OutputFormat format = outputFormatOf(settings.value(PB::out_format));
    settings.setValue(PB::out_format, outFormatItem(format, language));
}

// Every order entry is written anew from its number; an entry without one stays.
void translateColumnOrder(Settings &settings, Language language)
{
    QStringList order = settings.columnOrder();
    for (QString &entry : order)
        if (const std::optional<ColumnKind> kind = kindOfOrderItem(entry))
            entry = orderItemText(*kind, language);
    settings.setColumnOrder(order);
}

} // namespace

void translateDefaultTexts(Settings &settings, Language language)
{
    replaceDefaults(settings, language);
    translateGrouping(settings, language);
    translateOutputFormat(settings, language);
    translateColumnOrder(settings, language);
}
