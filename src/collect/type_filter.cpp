#include "collect/type_filter.h"

#include "common/language.h"
#include "common/tabulix_error.h"

namespace {

bool isOn(const Settings &settings, const char *name)
{
    return settings.isOn(SettingsWindow::PF, QString::fromUtf8(name));
}

const FilterBox *findBox(const QString &name)
{
    for (const FilterBox &box : filterBoxes())
        if (name == QLatin1String(box.box))
            return &box;
    return nullptr;
}

// A category counts when its box is checked and, for a member, its group box too.
bool counts(const Settings &settings, const FilterBox &box)
{
    return isOn(settings, box.box) && (!box.group || isOn(settings, box.group));
}

} // namespace

const QVector<FilterBox> &filterBoxes()
{
    static const QVector<FilterBox> boxes = {
        {"cb_bild", nullptr, false, "Bilddateien", "Image Files"},
        {"cb_text", nullptr, true, "Textdateien", "Text Files"},
        {"cb_txt_allg", "cb_text", false, "Allgemein", "General"},
        {"cb_txt_web", "cb_text", false, "Web", "Web"},
        {"cb_txt_prog", "cb_text", false, "Programmierung", "Programming "},
        {"cb_txt_sys", "cb_text", false, "System", "System"},
        {"cb_txt_sons", "cb_text", false, "Sonstiges", "Other"},
        {"cb_office", nullptr, true, "Office Dokumente", "Office Documents"},
        {"cb_of_text", "cb_office", false, "Texte", "Texts"},
        {"cb_of_tab", "cb_office", false, "Tabellen", "Tables"},
        {"cb_of_pres", "cb_office", false, "Präsentationen", "Presentations "},
        {"cb_media", nullptr, true, "Media Dateien", "Media Files"},
        {"cb_video", "cb_media", false, "Video", "Video"},
        {"cb_musik", "cb_media", false, "Musik", "Audio"},
        {"cb_archive", nullptr, false, "Archive", "Archives "},
        {"cb_sonstige", nullptr, false, "Sonstiges", "Other"},
    };
    return boxes;
}

QString filterFieldName(const FilterBox &box)
{
    return QString::fromUtf8(box.box).replace(QStringLiteral("cb_"), QStringLiteral("ed_"));
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
    if (isOn(settings, "alle"))
        return {QStringLiteral(".*")};
    // The search order, which puts the web list after the other text lists.
    static const char *const order[] = {
        "cb_bild",   "cb_txt_allg", "cb_txt_prog", "cb_txt_sys", "cb_txt_sons", "cb_txt_web", "cb_of_text",
        "cb_of_tab", "cb_of_pres",  "cb_video",    "cb_musik",   "cb_archive",  "cb_sonstige"};
    QString text;
    for (const char *name : order) {
        const FilterBox &box = *findBox(QString::fromUtf8(name));
        if (counts(settings, box))
            text += settings.value(SettingsWindow::PF, filterFieldName(box)) + u',';
    }
    text.remove(u' ').remove(u'.');
    QStringList patterns = text.split(u',', Qt::SkipEmptyParts);
    for (QString &pattern : patterns)
        pattern.prepend(u'.');
    return patterns;
}

bool filterControlEnabled(const Settings &settings, const QString &controlName)
{
    if (controlName == u"alle" || controlName == u"auswahl")
        return true;
    const bool field = controlName.startsWith(u"ed_");
    const FilterBox *box = findBox(field ? QStringLiteral("cb_") + controlName.mid(3) : controlName);
    if (!box || (field && box->isGroup))
        throw TabulixError(QStringLiteral("No filter control %1").arg(controlName));
    if (!isOn(settings, "auswahl"))
        return false;
    // A member's box follows its group box; a field follows its box, and a member's field
    // its group box too.
    if (!field)
        return !box->group || isOn(settings, box->group);
    return counts(settings, *box);
}
