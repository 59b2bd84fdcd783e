#include "collect/type_filter.h"

#include "common/language.h"
#include "common/tabulix_error.h"

namespace {

const FilterBox *findBox(SettingId control)
{
    for (const FilterBox &box : filterBoxes())
        if (control == box.box.id || (box.field && control == box.field->id))
            return &box;
    return nullptr;
}

// A category counts when its box is checked and, for a member, its group box too.
bool counts(const Settings &settings, const FilterBox &box)
{
    return settings.isOn(box.box) && (!box.group || settings.isOn(*box.group));
}

} // namespace

const QVector<FilterBox> &filterBoxes()
{
    static const QVector<FilterBox> boxes = {
        {PF::cb_bild, std::nullopt, PF::ed_bild, {"Bilddateien", "Image Files"}},
        {PF::cb_text, std::nullopt, std::nullopt, {"Textdateien", "Text Files"}},
        {PF::cb_txt_allg, PF::cb_text, PF::ed_txt_allg, {"Allgemein", "General"}},
        {PF::cb_txt_web, PF::cb_text, PF::ed_txt_web, {"Web", "Web"}},
        {PF::cb_txt_prog, PF::cb_text, PF::ed_txt_prog, {"Programmierung", "Programming "}},
        {PF::cb_txt_sys, PF::cb_text, PF::ed_txt_sys, {"System", "System"}},
        {PF::cb_txt_sons, PF::cb_text, PF::ed_txt_sons, {"Sonstiges", "Other"}},
        {PF::cb_office, std::nullopt, std::nullopt, {"Office Dokumente", "Office Documents"}},
        {PF::cb_of_text, PF::cb_office, PF::ed_of_text, {"Texte", "Texts"}},
        {PF::cb_of_tab, PF::cb_office, PF::ed_of_tab, {"Tabellen", "Tables"}},
        {PF::cb_of_pres, PF::cb_office, PF::ed_of_pres, {"Präsentationen", "Presentations "}},
        {PF::cb_media, std::nullopt, std::nullopt, {"Media Dateien", "Media Files"}},
        {PF::cb_video, PF::cb_media, PF::ed_video, {"Video", "Video"}},
        {PF::cb_musik, PF::cb_media, PF::ed_musik, {"Musik", "Audio"}},
        {PF::cb_archive, std::nullopt, PF::ed_archive, {"Archive", "Archives "}},
        {PF::cb_sonstige, std::nullopt, PF::ed_sonstige, {"Sonstiges", "Other"}},
    };
    return boxes;
}

QString filterText(FilterText text, Language language)
{
    const bool german = isGerman(language);
    switch (text) {
    case FilterText::Caption:
        return QStringLiteral("Filter");
    case FilterText::All:
        return german ? QStringLiteral("Alle gefundenen Dateien") : QStringLiteral("All supported Formats");
    case FilterText::Selection:
        return german ? QStringLiteral("Auswahl von Dateien folgender Formate:")
                      : QStringLiteral("Only the selected following Formats:");
    case FilterText::Ok:
        return QStringLiteral("OK");
    }
    return {};
}

QString filterCaption(const FilterBox &box, Language language)
{
    return box.caption.in(language);
}

QStringList filterPatterns(const Settings &settings)
{
    if (settings.isOn(PF::alle))
        return {QStringLiteral(".*")};
    // The search order, which puts the web list after the other text lists.
    static const CheckSetting order[] = {PF::cb_bild,     PF::cb_txt_allg, PF::cb_txt_prog, PF::cb_txt_sys,
                                         PF::cb_txt_sons, PF::cb_txt_web,  PF::cb_of_text,  PF::cb_of_tab,
                                         PF::cb_of_pres,  PF::cb_video,    PF::cb_musik,    PF::cb_archive,
                                         PF::cb_sonstige};
    QString text;
    for (const CheckSetting category : order) {
        const FilterBox &box = *findBox(category.id);
        if (counts(settings, box))
            text += settings.value(*box.field) + u',';
    }
    text.remove(u' ').remove(u'.');
    QStringList patterns = text.split(u',', Qt::SkipEmptyParts);
    for (QString &pattern : patterns)
        pattern.prepend(u'.');
    return patterns;
}

bool filterControlEnabled(const Settings &settings, SettingId control)
{
    if (control == PF::alle.id || control == PF::auswahl.id)
        return true;
    const FilterBox *box = findBox(control);
    if (!box)
        throw TabulixError(QStringLiteral("No filter control %1").arg(nameOf(control)));
    if (!settings.isOn(PF::auswahl))
        return false;
    // A member's box follows its group box; a field follows its box, and a member's field
    // its group box too.
    if (control == box->box.id)
        return !box->group || settings.isOn(*box->group);
    return counts(settings, *box);
}
