#include "collect/type_filter.h"
#include "common/tabulix_error.h"

#include <gtest/gtest.h>

namespace {

void set(Settings &settings, const char *name, const QString &value)
{
    settings.setValue(SettingsWindow::PF, QString::fromUtf8(name), value);
}

void setOn(Settings &settings, const char *name, bool on)
{
    settings.setOn(SettingsWindow::PF, QString::fromUtf8(name), on);
}

QStringList patternsOf(const QString &list)
{
    QStringList patterns;
    for (const QString &extension : list.split(u','))
        patterns.append(u'.' + extension);
    return patterns;
}

// A selection where no category counts.
void selectNothing(Settings &settings)
{
    setOn(settings, "auswahl", true);
    for (const FilterBox &box : filterBoxes())
        setOn(settings, box.box, false);
}

bool enabled(const Settings &settings, const char *name)
{
    return filterControlEnabled(settings, QString::fromUtf8(name));
}

} // namespace

TEST(TypeFilter, CategoryTableAndTexts)
{
    const QVector<FilterBox> &boxes = filterBoxes();
    ASSERT_EQ(boxes.size(), 16);
    EXPECT_STREQ(boxes.first().box, "cb_bild");
    EXPECT_STREQ(boxes.last().box, "cb_sonstige");
    int groups = 0;
    const Settings settings;
    for (const FilterBox &box : boxes) {
        groups += box.isGroup;
        // Every box and every category's field is a stored setting of the window.
        EXPECT_EQ(settings.kind(SettingsWindow::PF, QString::fromUtf8(box.box)), SettingKind::Check);
        if (!box.isGroup) {
            EXPECT_EQ(settings.kind(SettingsWindow::PF, filterFieldName(box)), SettingKind::Text);
        }
    }
    EXPECT_EQ(groups, 3);
    EXPECT_EQ(filterFieldName(boxes[3]), u"ed_txt_web");
    EXPECT_STREQ(boxes[3].group, "cb_text");
    EXPECT_EQ(filterCaption(boxes[4], Language::English), u"Programming ");
    EXPECT_EQ(filterCaption(boxes[10], Language::German), u"Präsentationen");
    EXPECT_EQ(filterCaption(boxes[10], Language::English), u"Presentations ");
    EXPECT_EQ(filterCaption(boxes[14], Language::English), u"Archives ");
    EXPECT_EQ(filterText(FilterText::Selection, Language::German), u"Auswahl von Dateien folgender Formate:");
    EXPECT_EQ(filterText(FilterText::All, Language::English), u"All supported Formats");
    EXPECT_EQ(filterText(FilterText::Caption, Language::English), u"Filter");
}

TEST(TypeFilter, PatternsOfTheSelection)
{
    Settings settings;
    EXPECT_EQ(filterPatterns(settings), QStringList{QStringLiteral(".*")});
    // The categories' values do not matter while "alle" is on.
    setOn(settings, "cb_bild", true);
    EXPECT_EQ(filterPatterns(settings), QStringList{QStringLiteral(".*")});

    // Only the text group with its members as at start; the web list comes last.
    settings.resetToDefaults(Language::German);
    setOn(settings, "auswahl", true);
    setOn(settings, "cb_text", true);
    const QStringList text = filterPatterns(settings);
    const auto field = [&settings](const char *name) {
        return settings.value(SettingsWindow::PF, QString::fromUtf8(name));
    };
    EXPECT_EQ(text,
              patternsOf(QStringLiteral("asc,ascii,nfo,scp,txt,") + field("ed_txt_prog") + u',' +
                         field("ed_txt_sys") + u',' + field("ed_txt_sons") + u',' + field("ed_txt_web")));
    EXPECT_EQ(text.first(), u".asc");
    EXPECT_EQ(text.last(), u".sql");
    EXPECT_EQ(text.count(QStringLiteral(".txt")), 2);
    EXPECT_EQ(text.count(QStringLiteral(".sql")), 2);

    // A member counts only under its checked group box.
    setOn(settings, "cb_text", false);
    setOn(settings, "cb_archive", true);
    EXPECT_EQ(filterPatterns(settings), patternsOf(field("ed_archive")));

    // Blanks and dots go, empty entries too; letter case stays.
    setOn(settings, "cb_archive", false);
    setOn(settings, "cb_bild", true);
    set(settings, "ed_bild", QStringLiteral(" .JPG, png,, gif ,"));
    EXPECT_EQ(filterPatterns(settings),
              (QStringList{QStringLiteral(".JPG"), QStringLiteral(".png"), QStringLiteral(".gif")}));
    set(settings, "ed_bild", QStringLiteral("tar.gz"));
    EXPECT_EQ(filterPatterns(settings), QStringList{QStringLiteral(".targz")});

    // Fixed order across groups: image, office, media, archive, other.
    set(settings, "ed_bild", QStringLiteral("b"));
    set(settings, "ed_of_pres", QStringLiteral("p"));
    set(settings, "ed_musik", QStringLiteral("m"));
    set(settings, "ed_archive", QStringLiteral("a"));
    set(settings, "ed_sonstige", QStringLiteral("s"));
    for (const char *name : {"cb_office", "cb_media", "cb_archive", "cb_sonstige"})
        setOn(settings, name, true);
    for (const char *name : {"cb_of_text", "cb_of_tab", "cb_video"})
        setOn(settings, name, false);
    EXPECT_EQ(filterPatterns(settings), patternsOf(QStringLiteral("b,p,m,a,s")));

    // Nothing counting, or only empty fields: no pattern at all.
    selectNothing(settings);
    EXPECT_TRUE(filterPatterns(settings).isEmpty());
    setOn(settings, "cb_sonstige", true);
    set(settings, "ed_sonstige", QStringLiteral(" , . ,"));
    EXPECT_TRUE(filterPatterns(settings).isEmpty());
}

TEST(TypeFilter, EnabledStatesFollowTheValues)
{
    Settings settings;
    // "alle" on: every box and field is disabled, the radio buttons never are.
    EXPECT_TRUE(enabled(settings, "alle"));
    EXPECT_TRUE(enabled(settings, "auswahl"));
    for (const FilterBox &box : filterBoxes()) {
        EXPECT_FALSE(enabled(settings, box.box)) << box.box;
        if (!box.isGroup) {
            EXPECT_FALSE(filterControlEnabled(settings, filterFieldName(box))) << box.box;
        }
    }

    // The selection as at start: group and single boxes enabled, fields of unchecked boxes and
    // everything under unchecked groups disabled.
    setOn(settings, "auswahl", true);
    EXPECT_TRUE(enabled(settings, "cb_bild"));
    EXPECT_FALSE(enabled(settings, "ed_bild"));
    EXPECT_TRUE(enabled(settings, "cb_office"));
    EXPECT_FALSE(enabled(settings, "cb_of_tab"));
    EXPECT_FALSE(enabled(settings, "ed_of_tab"));

    // Values set by code, in any order, give the same states as clicks would.
    setOn(settings, "cb_of_tab", false);
    setOn(settings, "cb_office", true);
    setOn(settings, "cb_bild", true);
    EXPECT_TRUE(enabled(settings, "ed_bild"));
    EXPECT_TRUE(enabled(settings, "cb_of_tab"));
    EXPECT_FALSE(enabled(settings, "ed_of_tab"));
    EXPECT_TRUE(enabled(settings, "cb_of_text"));
    EXPECT_TRUE(enabled(settings, "ed_of_text"));
    EXPECT_FALSE(enabled(settings, "cb_musik"));

    // Back to all files: the checked values stay but nothing can be used.
    setOn(settings, "alle", true);
    EXPECT_FALSE(settings.isOn(SettingsWindow::PF, QStringLiteral("auswahl")));
    EXPECT_FALSE(enabled(settings, "ed_bild"));
    EXPECT_FALSE(enabled(settings, "cb_office"));
    EXPECT_TRUE(enabled(settings, "auswahl"));

    // Names that are not controls of the window, and group boxes have no field.
    EXPECT_THROW(enabled(settings, "ed_text"), TabulixError);
    EXPECT_THROW(enabled(settings, "cb_nichts"), TabulixError);
    EXPECT_THROW(enabled(settings, "Button1"), TabulixError);
}
