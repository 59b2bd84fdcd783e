#include "collect/type_filter.h"
#include "common/tabulix_error.h"

#include <gtest/gtest.h>

namespace {

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
    settings.setOn(PF::auswahl, true);
    for (const FilterBox &box : filterBoxes())
        settings.setOn(box.box, false);
}

bool enabled(const Settings &settings, SettingId control)
{
    return filterControlEnabled(settings, control);
}

} // namespace

TEST(TypeFilter, CategoryTableAndTexts)
{
    const QVector<FilterBox> &boxes = filterBoxes();
    // Every check box of the window, in its order, each group before its members.
    ASSERT_EQ(boxes.size(), qsizetype(settingsOf(SettingsWindow::PF, SettingKind::Check).size()));
    EXPECT_EQ(boxes.first().box, PF::cb_bild);
    EXPECT_EQ(boxes.last().box, PF::cb_sonstige);
    int groups = 0;
    for (const FilterBox &box : boxes)
        groups += !box.field;
    EXPECT_EQ(groups, 3);
    EXPECT_EQ(boxes[3].field, PF::ed_txt_web);
    EXPECT_EQ(boxes[3].group, PF::cb_text);
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
    settings.setOn(PF::cb_bild, true);
    EXPECT_EQ(filterPatterns(settings), QStringList{QStringLiteral(".*")});

    // Only the text group with its members as at start; the web list comes last.
    settings.setOn(PF::cb_bild, false);
    settings.setOn(PF::auswahl, true);
    settings.setOn(PF::cb_text, true);
    const QStringList text = filterPatterns(settings);
    EXPECT_EQ(text, patternsOf(QStringLiteral("asc,ascii,nfo,scp,txt,") + settings.value(PF::ed_txt_prog) +
                               u',' + settings.value(PF::ed_txt_sys) + u',' +
                               settings.value(PF::ed_txt_sons) + u',' + settings.value(PF::ed_txt_web)));
    EXPECT_EQ(text.first(), u".asc");
    EXPECT_EQ(text.last(), u".sql");
    EXPECT_EQ(text.count(QStringLiteral(".txt")), 2);
    EXPECT_EQ(text.count(QStringLiteral(".sql")), 2);

    // A member counts only under its checked group box.
    settings.setOn(PF::cb_text, false);
    settings.setOn(PF::cb_archive, true);
    EXPECT_EQ(filterPatterns(settings), patternsOf(settings.value(PF::ed_archive)));

    // Blanks and dots go, empty entries too; letter case stays.
    settings.setOn(PF::cb_archive, false);
    settings.setOn(PF::cb_bild, true);
    settings.setValue(PF::ed_bild, QStringLiteral(" .JPG, png,, gif ,"));
    EXPECT_EQ(filterPatterns(settings),
              (QStringList{QStringLiteral(".JPG"), QStringLiteral(".png"), QStringLiteral(".gif")}));
    settings.setValue(PF::ed_bild, QStringLiteral("tar.gz"));
    EXPECT_EQ(filterPatterns(settings), QStringList{QStringLiteral(".targz")});

    // Fixed order across groups: image, office, media, archive, other.
    settings.setValue(PF::ed_bild, QStringLiteral("b"));
    settings.setValue(PF::ed_of_pres, QStringLiteral("p"));
    settings.setValue(PF::ed_musik, QStringLiteral("m"));
    settings.setValue(PF::ed_archive, QStringLiteral("a"));
    settings.setValue(PF::ed_sonstige, QStringLiteral("s"));
    for (const CheckSetting box : {PF::cb_office, PF::cb_media, PF::cb_archive, PF::cb_sonstige})
        settings.setOn(box, true);
    for (const CheckSetting box : {PF::cb_of_text, PF::cb_of_tab, PF::cb_video})
        settings.setOn(box, false);
    EXPECT_EQ(filterPatterns(settings), patternsOf(QStringLiteral("b,p,m,a,s")));

    // Nothing counting, or only empty fields: no pattern at all.
    selectNothing(settings);
    EXPECT_TRUE(filterPatterns(settings).isEmpty());
    settings.setOn(PF::cb_sonstige, true);
    settings.setValue(PF::ed_sonstige, QStringLiteral(" , . ,"));
    EXPECT_TRUE(filterPatterns(settings).isEmpty());
}

TEST(TypeFilter, EnabledStatesFollowTheValues)
{
    Settings settings;
    // "alle" on: every box and field is disabled, the radio buttons never are.
    EXPECT_TRUE(enabled(settings, PF::alle));
    EXPECT_TRUE(enabled(settings, PF::auswahl));
    for (const FilterBox &box : filterBoxes()) {
        EXPECT_FALSE(enabled(settings, box.box)) << qPrintable(nameOf(box.box));
        if (box.field) {
            EXPECT_FALSE(filterControlEnabled(settings, *box.field)) << qPrintable(nameOf(box.box));
        }
    }

    // The selection as at start: group and single boxes enabled, fields of unchecked boxes and
    // everything under unchecked groups disabled.
    settings.setOn(PF::auswahl, true);
    EXPECT_TRUE(enabled(settings, PF::cb_bild));
    EXPECT_FALSE(enabled(settings, PF::ed_bild));
    EXPECT_TRUE(enabled(settings, PF::cb_office));
    EXPECT_FALSE(enabled(settings, PF::cb_of_tab));
    EXPECT_FALSE(enabled(settings, PF::ed_of_tab));

    // Values set by code, in any order, give the same states as clicks would.
    settings.setOn(PF::cb_of_tab, false);
    settings.setOn(PF::cb_office, true);
    settings.setOn(PF::cb_bild, true);
    EXPECT_TRUE(enabled(settings, PF::ed_bild));
    EXPECT_TRUE(enabled(settings, PF::cb_of_tab));
    EXPECT_FALSE(enabled(settings, PF::ed_of_tab));
    EXPECT_TRUE(enabled(settings, PF::cb_of_text));
    EXPECT_TRUE(enabled(settings, PF::ed_of_text));
    EXPECT_FALSE(enabled(settings, PF::cb_musik));

    // Back to all files: the checked values stay but nothing can be used.
    settings.setOn(PF::alle, true);
    EXPECT_FALSE(settings.isOn(PF::auswahl));
    EXPECT_FALSE(enabled(settings, PF::ed_bild));
    EXPECT_FALSE(enabled(settings, PF::cb_office));
    EXPECT_TRUE(enabled(settings, PF::auswahl));

    // Settings of other windows are no controls of this one.
    EXPECT_THROW(enabled(settings, DF::alle), TabulixError);
    EXPECT_THROW(enabled(settings, PB::inp_uv), TabulixError);
}
