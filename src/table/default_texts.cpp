#include "table/default_texts.h"

#include "table/column_kinds.h"
#include "table/column_order.h"
#include "table/design_choices.h"
#include "table/output_format.h"

namespace {

struct TranslatedPair {
    QString german;
    QString english;
    const QString &in(Language language) const { return isGerman(language) ? german : english; }
};

struct TranslatedField {
    SettingId component;
    // Longer texts first, so that "no" never eats into "not hidden".
    QVector<TranslatedPair> pairs;
};

// Header fields, title and yes/no texts with their defaults in both languages, made once.
const QVector<TranslatedField> &translatedFields()
{
    static const QVector<TranslatedField> fields = [] {
        const auto field = [](SettingId component, std::initializer_list<BilingualText> texts) {
            TranslatedField made{component, {}};
            for (const BilingualText &text : texts)
                made.pairs.append({text.in(Language::German), text.in(Language::English)});
            return made;
        };
        QVector<TranslatedField> all = {
            field(PB::des_allg_header, {{"Dateiliste", "File List"}}),
            field(PB::act_attribute_hidden_ja, {{"versteckt", "hidden"}, {"ja", "yes"}}),
            field(PB::act_attribute_hidden_nein, {{"nicht versteckt", "not hidden"}, {"nein", "no"}}),
            field(PB::act_attribute_readonly_ja, {{"schreibgeschützt", "read only"}, {"ja", "yes"}}),
            field(PB::act_attribute_readonly_nein,
                  {{"nicht schreibgeschützt", "not read only"}, {"nein", "no"}}),
        };
        for (int number = 1; number < ColumnKindCount; ++number) {
            const ColumnKindInfo &kind = columnKindInfo(ColumnKind(number));
            all.append(field(kind.header->id, {kind.headerDefault}));
        }
        return all;
    }();
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
    if (!text.contains(from))
        return text;
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
    for (const TranslatedField &field : translatedFields()) {
        QString text = settings.value(field.component);
        for (const TranslatedPair &pair : field.pairs)
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
