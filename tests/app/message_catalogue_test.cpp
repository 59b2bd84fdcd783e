#include "app/message_catalogue.h"

#include <gtest/gtest.h>

namespace {

MessageTexts texts(const char16_t *key, const char16_t *language)
{
    const auto found = messageTexts(QString::fromUtf16(key), QString::fromUtf16(language));
    EXPECT_TRUE(found.has_value()) << QString::fromUtf16(key).toStdString();
    return found.value_or(MessageTexts{});
}

} // namespace

TEST(MessageCatalogue, PathKeysInBothLanguages)
{
    const MessageTexts de = texts(u"dateischoninliste", u"de");
    EXPECT_EQ(de.title, u"Datei oder Ordner wurde bereits hinzugefügt");
    EXPECT_EQ(de.line2, u"Diese Datei oder dieser Ordner befindet sich bereits in der Liste:");
    EXPECT_EQ(de.line4, u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden.");
    EXPECT_TRUE(de.pathLine);
    EXPECT_TRUE(de.line3.isEmpty());
    EXPECT_TRUE(de.okForAll);

    const MessageTexts en = texts(u"dateischoninliste", u"en");
    EXPECT_EQ(en.title, u"File or Folder already added");
    EXPECT_EQ(en.line4, u"A File and Folder can be added to the List only for one time.");
    EXPECT_TRUE(en.pathLine);
    EXPECT_TRUE(en.okForAll);

    const MessageTexts openDe = texts(u"ordnerfalschopen", u"de");
    EXPECT_EQ(openDe.title, u"Falscher Ordner angegeben");
    EXPECT_EQ(openDe.line2, u"Dieser Ordner kann nicht durchsucht werden:");
    EXPECT_EQ(openDe.line4, u"Geben Sie einen richtigen Ordner an und versuchen Sie es erneut.");
    EXPECT_TRUE(openDe.pathLine);
    EXPECT_FALSE(openDe.okForAll);
    EXPECT_EQ(texts(u"ordnerfalschopen", u"en").line2, u"This Folder can not be searched in:");

    const MessageTexts folderDe = texts(u"ordnerfalsch", u"de");
    EXPECT_EQ(folderDe.line4, u"Geben Sie unter \"Ordner\" einen richtigen Ordner für Ihre Dateien an.");
    EXPECT_FALSE(folderDe.okForAll);
    EXPECT_EQ(texts(u"ordnerfalsch", u"en").line4, u"Enter a correct Folder for your Images and try again.");

    const MessageTexts formatEn = texts(u"formatfehler", u"en");
    EXPECT_EQ(formatEn.title, u"Format not supported");
    EXPECT_EQ(formatEn.line2, u"Unfortunately, the Format of this File is not supported:");
    EXPECT_EQ(formatEn.line4, u"The File seems to be damaged.");
    EXPECT_TRUE(formatEn.okForAll);
    EXPECT_EQ(texts(u"formatfehler", u"de").title, u"Format nicht unterstützt");

    // The English saving and converting texts keep their old spelling.
    EXPECT_EQ(texts(u"speicherfehler", u"en").line2, u"An Erros occurs during saving this file:");
    EXPECT_EQ(texts(u"speicherfehler", u"de").line4, u"Benutzen Sie ein anderes Format.");
    EXPECT_EQ(texts(u"konvertierfehler", u"en").line2, u"An Erros occurs during converting this file:");
    EXPECT_EQ(texts(u"konvertierfehler", u"de").line2,
              u"Es kam zu einem Fehler beim Konvertieren dieser Datei:");
    EXPECT_TRUE(texts(u"speicherfehler", u"de").okForAll);
    EXPECT_TRUE(texts(u"konvertierfehler", u"en").pathLine);
}

TEST(MessageCatalogue, FixedThirdLines)
{
    const MessageTexts folder = texts(u"keinordner", u"de");
    EXPECT_FALSE(folder.pathLine);
    EXPECT_FALSE(folder.okForAll);
    EXPECT_EQ(folder.title, u"Kein Ordner angegeben");
    EXPECT_EQ(folder.line3, u"Speicheroptionen kein Ordner für die Dateien angegeben wurde.");

    // "keinname" shares its second line with "keinordner".
    const MessageTexts nameEn = texts(u"keinname", u"en");
    EXPECT_EQ(nameEn.line2, u"Your Files could not be processed, because in the");
    EXPECT_EQ(nameEn.line3, u"Saving-Options no Filename is declared.");
    EXPECT_EQ(nameEn.line4, u"Enter a correct Filename for your Files and try again.");
    EXPECT_EQ(texts(u"keinname", u"de").line2, folder.line2);
    EXPECT_EQ(texts(u"keinname", u"de").line4,
              u"Geben Sie unter \"Dateiname\" einen Namen für Ihre Dateien an.");

    const MessageTexts start = texts(u"keinestartkonfig", u"de");
    EXPECT_EQ(start.line3, u"wurde (als Datei auto.tbx im Programmverzeichnis).");
    EXPECT_EQ(start.line4, u"Speichern Sie eine Konfiguation als auto.tbx im Programmverzeichnis.");
    EXPECT_FALSE(start.okForAll);
    EXPECT_EQ(texts(u"keinestartkonfig", u"en").title, u"Start Configuration not defined");

    const MessageTexts picture = texts(u"bildfehler", u"en");
    EXPECT_EQ(picture.title, u"Converting Error");
    EXPECT_EQ(picture.line3, u"It is possible, that the image size is to big.");
    EXPECT_FALSE(picture.pathLine);
    EXPECT_TRUE(picture.okForAll);
    EXPECT_EQ(texts(u"bildfehler", u"de").line3, u"Eine mögliche Fehlerquelle kann ein zu großes Bild sein.");
}

TEST(MessageCatalogue, KeysAndLanguages)
{
    EXPECT_EQ(messageKeys().size(), 10);
    const QStringList withOkForAll{QStringLiteral("formatfehler"), QStringLiteral("dateischoninliste"),
                                   QStringLiteral("speicherfehler"), QStringLiteral("konvertierfehler"),
                                   QStringLiteral("bildfehler")};
    for (const QString &key : messageKeys()) {
        const auto de = messageTexts(key, QStringLiteral("de"));
        const auto en = messageTexts(key, QStringLiteral("en"));
        ASSERT_TRUE(de && en) << key.toStdString();
        EXPECT_NE(de->title, en->title) << key.toStdString();
        EXPECT_EQ(de->okForAll, withOkForAll.contains(key)) << key.toStdString();
        EXPECT_EQ(de->pathLine, de->line3.isEmpty()) << key.toStdString();
    }

    // Anything but "de" is English, keys are matched exactly.
    EXPECT_EQ(messageTexts(QStringLiteral("keinordner"), QStringLiteral("fr"))->title, u"No Folder declared");
    EXPECT_EQ(messageTexts(QStringLiteral("keinordner"), QString())->title, u"No Folder declared");
    EXPECT_FALSE(messageTexts(QStringLiteral("unbekannt"), QStringLiteral("de")));
    EXPECT_FALSE(messageTexts(QStringLiteral("KeinOrdner"), QStringLiteral("de")));
    EXPECT_FALSE(messageTexts(QString(), QStringLiteral("en")));
}

TEST(MessageCatalogue, TextsBesideTheCatalogue)
{
    const QString de = QStringLiteral("de");
    const QString en = QStringLiteral("en");
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
    EXPECT_EQ(countLabelText(0, QStringLiteral("de")), QStringLiteral("0 Dateien"));
    EXPECT_EQ(countLabelText(1, QStringLiteral("de")), QStringLiteral("1 Datei"));
    EXPECT_EQ(countLabelText(2, QStringLiteral("de")), QStringLiteral("2 Dateien"));
    EXPECT_EQ(countLabelText(0, QStringLiteral("en")), QStringLiteral("0 Files"));
    EXPECT_EQ(countLabelText(1, QStringLiteral("en")), QStringLiteral("1 File"));
    EXPECT_EQ(countLabelText(2, QStringLiteral("en")), QStringLiteral("2 Files"));
}
