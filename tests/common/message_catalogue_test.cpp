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

TEST(MessageCatalogue, PathKeysInBothLanguages)
{
    const MessageTexts de = texts(u"dateischoninliste", Language::German);
    EXPECT_EQ(de.title, u"Datei oder Ordner wurde bereits hinzugefügt");
    EXPECT_EQ(de.line2, u"Diese Datei oder dieser Ordner befindet sich bereits in der Liste:");
    EXPECT_EQ(de.line4, u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden.");
    EXPECT_TRUE(de.pathLine);
    EXPECT_TRUE(de.line3.isEmpty());
    EXPECT_TRUE(de.okForAll);

    const MessageTexts en = texts(u"dateischoninliste", Language::English);
    EXPECT_EQ(en.title, u"File or Folder already added");
    EXPECT_EQ(en.line4, u"A File and Folder can be added to the List only for one time.");
    EXPECT_TRUE(en.pathLine);
    EXPECT_TRUE(en.okForAll);

    const MessageTexts openDe = texts(u"ordnerfalschopen", Language::German);
    EXPECT_EQ(openDe.title, u"Falscher Ordner angegeben");
    EXPECT_EQ(openDe.line2, u"Dieser Ordner kann nicht durchsucht werden:");
    EXPECT_EQ(openDe.line4, u"Geben Sie einen richtigen Ordner an und versuchen Sie es erneut.");
    EXPECT_TRUE(openDe.pathLine);
    EXPECT_FALSE(openDe.okForAll);
    EXPECT_EQ(texts(u"ordnerfalschopen", Language::English).line2, u"This Folder can not be searched in:");

    const MessageTexts folderDe = texts(u"ordnerfalsch", Language::German);
    EXPECT_EQ(folderDe.line4, u"Geben Sie unter \"Ordner\" einen richtigen Ordner für Ihre Dateien an.");
    EXPECT_FALSE(folderDe.okForAll);
    EXPECT_EQ(texts(u"ordnerfalsch", Language::English).line4,
              u"Enter a correct Folder for your Images and try again.");

    const MessageTexts formatEn = texts(u"formatfehler", Language::English);
    EXPECT_EQ(formatEn.title, u"Format not supported");
    EXPECT_EQ(formatEn.line2, u"Unfortunately, the Format of this File is not supported:");
    EXPECT_EQ(formatEn.line4, u"The File seems to be damaged.");
    EXPECT_TRUE(formatEn.okForAll);
    EXPECT_EQ(texts(u"formatfehler", Language::German).title, u"Format nicht unterstützt");

    // The English saving and converting texts keep their old spelling.
    EXPECT_EQ(texts(u"speicherfehler", Language::English).line2, u"An Erros occurs during saving this file:");
    EXPECT_EQ(texts(u"speicherfehler", Language::German).line4, u"Benutzen Sie ein anderes Format.");
    EXPECT_EQ(texts(u"konvertierfehler", Language::English).line2,
              u"An Erros occurs during converting this file:");
    EXPECT_EQ(texts(u"konvertierfehler", Language::German).line2,
              u"Es kam zu einem Fehler beim Konvertieren dieser Datei:");
    EXPECT_TRUE(texts(u"speicherfehler", Language::German).okForAll);
    EXPECT_TRUE(texts(u"konvertierfehler", Language::English).pathLine);
}

TEST(MessageCatalogue, FixedThirdLines)
{
    const MessageTexts folder = texts(u"keinordner", Language::German);
    EXPECT_FALSE(folder.pathLine);
    EXPECT_FALSE(folder.okForAll);
    EXPECT_EQ(folder.title, u"Kein Ordner angegeben");
    EXPECT_EQ(folder.line3, u"Speicheroptionen kein Ordner für die Dateien angegeben wurde.");

    // "keinname" shares its second line with "keinordner".
    const MessageTexts nameEn = texts(u"keinname", Language::English);
    EXPECT_EQ(nameEn.line2, u"Your Files could not be processed, because in the");
    EXPECT_EQ(nameEn.line3, u"Saving-Options no Filename is declared.");
    EXPECT_EQ(nameEn.line4, u"Enter a correct Filename for your Files and try again.");
    EXPECT_EQ(texts(u"keinname", Language::German).line2, folder.line2);
    EXPECT_EQ(texts(u"keinname", Language::German).line4,
              u"Geben Sie unter \"Dateiname\" einen Namen für Ihre Dateien an.");

    const MessageTexts start = texts(u"keinestartkonfig", Language::German);
    EXPECT_EQ(start.line3, u"wurde (als Datei auto.tbx im Programmverzeichnis).");
    EXPECT_EQ(start.line4, u"Speichern Sie eine Konfiguation als auto.tbx im Programmverzeichnis.");
    EXPECT_FALSE(start.okForAll);
    EXPECT_EQ(texts(u"keinestartkonfig", Language::English).title, u"Start Configuration not defined");

    const MessageTexts picture = texts(u"bildfehler", Language::English);
    EXPECT_EQ(picture.title, u"Converting Error");
    EXPECT_EQ(picture.line3, u"It is possible, that the image size is to big.");
    EXPECT_FALSE(picture.pathLine);
    EXPECT_TRUE(picture.okForAll);
    EXPECT_EQ(texts(u"bildfehler", Language::German).line3,
              u"Eine mögliche Fehlerquelle kann ein zu großes Bild sein.");
}

TEST(MessageCatalogue, KeysAndLanguages)
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
        EXPECT_EQ(de->okForAll, withOkForAll.contains(key)) << key.toStdString();
        EXPECT_EQ(de->pathLine, de->line3.isEmpty()) << key.toStdString();
    }

    // Keys are matched exactly.
    EXPECT_FALSE(messageTexts(QStringLiteral("unbekannt"), Language::German));
    EXPECT_FALSE(messageTexts(QStringLiteral("KeinOrdner"), Language::German));
    EXPECT_FALSE(messageTexts(QString(), Language::English));
}

TEST(MessageCatalogue, TextsBesideTheCatalogue)
{
    const Language de = Language::German;
    const Language en = Language::English;
    EXPECT_EQ(countSuffix(1, de), u" Datei");
    EXPECT_EQ(countSuffix(0, de), u" Dateien");
    EXPECT_EQ(countSuffix(2, de), u" Dateien");
    EXPECT_EQ(countSuffix(1, en), u" File");
    EXPECT_EQ(countSuffix(1000, en), u" Files");
    EXPECT_EQ(uiText(UiText::FolderDialogTitle, de), u"Ordner Öffnen");
    EXPECT_EQ(uiText(UiText::FolderDialogTitle, en), u"Open Folder");
    EXPECT_EQ(uiText(UiText::SearchingTitle, en), u"Searching for Files");
    EXPECT_EQ(uiText(UiText::AnalysingTitle, de), u"Dateien werden analysiert");
    EXPECT_EQ(uiText(UiText::AnalysingTitle, en), u"Analyzing Files");
    EXPECT_EQ(uiText(UiText::FoundSuffix, de), u" Dateien gefunden");
    EXPECT_EQ(uiText(UiText::AnalysedSuffix, en), u" Files analyzed");
    EXPECT_EQ(uiText(UiText::AddingSuffix, de), u" Dateien werden hinzugefügt");
    EXPECT_EQ(uiText(UiText::AddingSuffix, en), u" Files added");

    EXPECT_EQ(uiText(UiText::DialogCaption, de), u"Tabulix");
    EXPECT_EQ(uiText(UiText::DialogCaption, en), u"Tabulix");
    EXPECT_EQ(uiText(UiText::MessageOkForAll, de), u"OK für alle");
    EXPECT_EQ(uiText(UiText::MessageOkForAll, en), u"OK for all");
    EXPECT_EQ(uiText(UiText::ConfirmExists, en), u"The following File is already exists:");
    EXPECT_EQ(uiText(UiText::ConfirmOverwrite, en), u"Shall this File be overwritten with the new File? ");
    EXPECT_EQ(uiText(UiText::ConfirmCannotRestore, en), u"Overwritten Files cannot be restored. ");
    EXPECT_EQ(uiText(UiText::ConfirmCannotRestore, de),
              u"Überschriebene Dateien können nicht wiederhergestellt werden.");
    EXPECT_EQ(uiText(UiText::Break, en), u"Break");
    EXPECT_EQ(uiText(UiText::Break, de), u"Abbrechen");
}

TEST(MessageCatalogue, CountLabelTexts)
{
    EXPECT_EQ(countLabelText(0, Language::German), QStringLiteral("0 Dateien"));
    EXPECT_EQ(countLabelText(1, Language::German), QStringLiteral("1 Datei"));
    EXPECT_EQ(countLabelText(2, Language::German), QStringLiteral("2 Dateien"));
    EXPECT_EQ(countLabelText(0, Language::English), QStringLiteral("0 Files"));
    EXPECT_EQ(countLabelText(1, Language::English), QStringLiteral("1 File"));
    EXPECT_EQ(countLabelText(2, Language::English), QStringLiteral("2 Files"));
}
