#include "table/design_choices.h"

#include "common/language.h"
#include "common/setting_ids.h"
#include "table/grouping.h"

namespace {

QStringList utf8List(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

} // namespace

QStringList designChoiceItems(SettingId component, Language language)
{
    const bool german = isGerman(language);
    const QString custom = german ? QStringLiteral("Benutzerdefiniert..") : QStringLiteral("Custom..");
    switch (component) {
    case PB::act_size_einheit.id:
        return utf8List({"Byte", "KB", "MB", "GB", "TB"});
    case PB::act_size_nks.id: {
        QStringList digits;
        for (int decimals = 0; decimals <= 10; ++decimals)
            digits.append(QString::number(decimals));
        return digits;
    }
    case PB::act_datum_erstellt_format.id:
    case PB::act_datum_zugegriffen_format.id:
    case PB::act_datum_changed_format.id:
        return utf8List(
            {"System", "dd.mm.yyyy", "dd/mm/yyyy", "mm/dd/yyyy", "yyyymmdd", "yyyy-mm-dd", "yy-mm-dd"});
    case PB::act_attribute_hidden_ja.id:
        return (german ? utf8List({"ja", "versteckt", "X"}) : utf8List({"yes", "hidden", "X"})) << custom;
    case PB::act_attribute_hidden_nein.id:
        return (german ? utf8List({"nein", "nicht versteckt", "-"}) : utf8List({"no", "not hidden", "-"}))
               << custom;
    case PB::act_attribute_readonly_ja.id:
        return (german ? utf8List({"ja", "schreibgeschützt", "X"}) : utf8List({"yes", "read only", "X"}))
               << custom;
    case PB::act_attribute_readonly_nein.id:
        return (german ? utf8List({"nein", "nicht schreibgeschützt", "-"})
                       : utf8List({"no", "not read only", "-"}))
               << custom;
    case PB::des_tab_pz.id:
        return utf8List({"", "-", "_", "*", "."}) << custom;
    case PB::des_tab_z.id:
        return utf8List({", ", "; ", " ", "-"}) << custom;
    case PB::des_grup.id:
        return groupChoiceItems(language);
    default:
        return {};
    }
}

bool isFreeTextChoice(SettingId component)
{
    switch (component) {
    case PB::act_size_nks.id:
    case PB::act_attribute_hidden_ja.id:
    case PB::act_attribute_hidden_nein.id:
    case PB::act_attribute_readonly_ja.id:
    case PB::act_attribute_readonly_nein.id:
    case PB::des_tab_pz.id:
    case PB::des_tab_z.id:
        return true;
    default:
        return false;
    }
}

bool isCustomChoice(const QString &text)
{
    return text == u"Benutzerdefiniert.." || text == u"Custom..";
}
