#include "common/message_catalogue.h"

#include <gtest/gtest.h>

namespace {

MessageTexts texts(const char16_t *key, Language language)
{
    const auto found = messageTexts(QString::fromUtf16(key), language);
    EXPECT_TRUE(found.has_value()) << QString::fromUtf16(key).toStdString();
    return found.value_or(MessageTexts{});
}

} // namespace

TEST(MessageCatalogue, EveryKeyHasBothLanguagesInTheSameShape)
{
    EXPECT_EQ(messageKeys().size(), 10);
    const QStringList withOkForAll{QStringLiteral("formatfehler"), QStringLiteral("dateischoninliste"),
                                   QStringLiteral("speicherfehler"), QStringLiteral("konvertierfehler"),
                                   QStringLiteral("bildfehler")};
    for (const QString &key : messageKeys()) {
        const auto de = messageTexts(key, Language::German);
        const auto en = messageTexts(key, Language::English);
        ASSERT_TRUE(de && en) << key.toStdString();
        EXPECT_NE(de->title, en->title) << key.toStdString();
        EXPECT_NE(de->line4, en->line4) << key.toStdString();
        EXPECT_EQ(de->okForAll, withOkForAll.contains(key)) << key.toStdString();
        EXPECT_EQ(en->okForAll, de->okForAll) << key.toStdString();
        EXPECT_EQ(en->pathLine, de->pathLine) << key.toStdString();
        // The path takes the third line's place.
        EXPECT_EQ(de->pathLine, de->line3.isEmpty()) << key.toStdString();
        EXPECT_EQ(en->pathLine, en->line3.isEmpty()) << key.toStdString();
    }

    // Keys are matched exactly.
    EXPECT_FALSE(messageTexts(QStringLiteral("unbekannt"), Language::German));
    EXPECT_FALSE(messageTexts(QStringLiteral("KeinOrdner"), Language::German));
    EXPECT_FALSE(messageTexts(QString(), Language::English));
}

TEST(MessageCatalogue, SharedLinesAndOldSpellingsStay)
{
    // One entry read in full in each language: the lines come from the right places.
    const MessageTexts de = texts(u"dateischoninliste", Language::German);
    EXPECT_EQ(de.title, u"Datei oder Ordner wurde bereits hinzugefügt");
    EXPECT_EQ(de.line2, u"Diese Datei oder dieser Ordner befindet sich bereits in der Liste:");
    EXPECT_EQ(de.line4, u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden.");
    const MessageTexts en = texts(u"bildfehler", Language::English);
    EXPECT_EQ(en.title, u"Converting Error");
    EXPECT_EQ(en.line3, u"It is possible, that the image size is to big.");

    // "keinname" shares its second line with "keinordner".
    for (const Language language : {Language::German, Language::English})
        EXPECT_EQ(texts(u"keinname", language).line2, texts(u"keinordner", language).line2);

    // The English saving and converting texts keep their old spelling.
    EXPECT_EQ(texts(u"speicherfehler", Language::English).line2, u"An Erros occurs during saving this file:");
    EXPECT_EQ(texts(u"konvertierfehler", Language::English).line2,
              u"An Erros occurs during converting this file:");
}

TEST(MessageCatalogue, EveryShortTextHasBothLanguages)
{
    for (int i = int(UiText::FileSuffixOne); i <= int(UiText::FileListEmpty); ++i) {
        const auto text = UiText(i);
        EXPECT_FALSE(uiText(text, Language::German).isEmpty()) << i;
        EXPECT_FALSE(uiText(text, Language::English).isEmpty()) << i;
    }
    EXPECT_EQ(uiText(UiText::Break, Language::German), u"Abbrechen");
    EXPECT_EQ(uiText(UiText::Break, Language::English), u"Break");
}

TEST(MessageCatalogue, CountsTakeTheSingularForExactlyOne)
{
    const Language de = Language::German;
    const Language en = Language::English;
    EXPECT_EQ(countSuffix(1, de), u" Datei");
    EXPECT_EQ(countSuffix(0, de), u" Dateien");
    EXPECT_EQ(countSuffix(2, de), u" Dateien");
    EXPECT_EQ(countSuffix(1, en), u" File");
    EXPECT_EQ(countSuffix(1000, en), u" Files");

    EXPECT_EQ(countLabelText(0, de), QStringLiteral("0 Dateien"));
    EXPECT_EQ(countLabelText(1, de), QStringLiteral("1 Datei"));
    EXPECT_EQ(countLabelText(2, de), QStringLiteral("2 Dateien"));
    EXPECT_EQ(countLabelText(0, en), QStringLiteral("0 Files"));
    EXPECT_EQ(countLabelText(1, en), QStringLiteral("1 File"));
    EXPECT_EQ(countLabelText(2, en), QStringLiteral("2 Files"));
}
