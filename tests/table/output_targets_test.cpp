#include "table/output_targets.h"

#include <gtest/gtest.h>

TEST(OutputTargets, TextForAPictureSplitsAtCrLfOnly)
{
    const QString a = QStringLiteral("a"), b = QStringLiteral("b");
    // The break after the last line leaves an empty line at the bottom of the picture.
    EXPECT_EQ(textPictureLines(QStringLiteral("a\r\nb\r\n")), (QStringList{a, b, QString()}));
    EXPECT_EQ(textPictureLines(QStringLiteral("a\r\nb")), (QStringList{a, b}));
    EXPECT_EQ(textPictureLines(QString()), QStringList{QString()});
    // CSV without line breaks is one line; a lone LF or CR does not break it.
    EXPECT_EQ(textPictureLines(QStringLiteral("x;y\nz\r")), QStringList{QStringLiteral("x;y\nz\r")});
}

TEST(OutputTargets, EveryItemNamesItsOwnFormatAndTheNewOnesFollowTheSix)
{
    const QStringList tags = outputFormatTags();
    EXPECT_EQ(tags, (QStringList{QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("gif"),
                                 QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("htm"),
                                 QStringLiteral("xlsx"), QStringLiteral("json"), QStringLiteral("md"),
                                 QStringLiteral("html"), QStringLiteral("md5sum"), QStringLiteral("sha1sum"),
                                 QStringLiteral("sha256sum"), QStringLiteral("sha512sum"), QStringLiteral("sfv")}));
    for (const Language language : {Language::German, Language::English}) {
        const QStringList items = outFormatItems(language);
        ASSERT_EQ(items.size(), tags.size());
        for (qsizetype i = 0; i < items.size(); ++i)
            EXPECT_EQ(outputFormatOf(items[i]), outputFormatOfTag(tags[i])) << items[i].toStdString();
    }
    EXPECT_EQ(outFormatItem(OutputFormat::Html, Language::German),
              QStringLiteral("HTML-Seite mit Suche (*.html)"));
    EXPECT_EQ(outFormatItem(OutputFormat::Sha256sum, Language::English), QStringLiteral("SHA-256 Checksum File (*.sha256)"));
    EXPECT_TRUE(isManifestFormat(OutputFormat::Sfv));
    EXPECT_FALSE(isManifestFormat(OutputFormat::Html));
    // Old texts that merely contain a tag keep their meaning.
    EXPECT_EQ(outputFormatOf(QStringLiteral("my html page")), OutputFormat::Htm);
    EXPECT_EQ(previewChoiceFor(OutputFormat::Html).view, PreviewView::Web);
    EXPECT_EQ(previewChoiceFor(OutputFormat::Xlsx).view, PreviewView::Text);
    EXPECT_TRUE(isBinaryFormat(OutputFormat::Xlsx));
    EXPECT_FALSE(isBinaryFormat(OutputFormat::Json));
    EXPECT_EQ(saveFileTypeFor(OutputFormat::Md).defaultSuffix, QStringLiteral("md"));
}
