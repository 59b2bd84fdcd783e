#include "common/tabulix_error.h"
#include "encoding/write_text_file.h"
#include "encoding_test_support.h"
#include "file_write_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The text of the error a write to the path raises; empty when it raises none.
QString createError(const QString &path)
{
    try {
        writeTextFile(QStringLiteral("x"), path, TextEncoding::Utf8, {});
    } catch (const TabulixError &error) {
        return error.message();
    }
    return {};
}

const PictureWriter refusePictures = [](const QString &, const QString &path) {
    ADD_FAILURE() << "picture writer called for " << path.toStdString();
};

} // namespace

TEST(writeTextFile, CreatesOrReplacesTheFileWithTheTextAsItComes)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tabelle.txt"));

    EXPECT_EQ(writeTextFile(QStringLiteral("a\r\nb"), path, TextEncoding::Utf16LE, refusePictures), 1);
    EXPECT_EQ(hex(readAll(path)), "FF FE 61 00 0D 00 0A 00 62 00"); // no line end added

    // A shorter text truncates what was there.
    EXPECT_EQ(writeTextFile(QStringLiteral("z"), path, TextEncoding::Ansi, refusePictures), 1);
    EXPECT_EQ(hex(readAll(path)), "7A");

    // A new configuration file starts as the two bytes of the UTF-16 mark.
    const QString config = dir.filePath(QStringLiteral("Neu.tbx"));
    writeEncodedTextFile(QString(), config, TextEncoding::Utf16LE);
    EXPECT_EQ(hex(readAll(config)), "FF FE");

    const QString list = dir.filePath(QStringLiteral("liste.txt"));
    EXPECT_EQ(writeTextFile(QStringLiteral("/tmp/a\r\n"), list, TextEncoding::Utf8, refusePictures), 1);
    EXPECT_EQ(readAll(list), QByteArray("\xEF\xBB\xBF/tmp/a\r\n"));

    const QString empty = dir.filePath(QStringLiteral("leer.csv"));
    EXPECT_EQ(writeTextFile(QString(), empty, TextEncoding::Ansi, refusePictures), 1);
    EXPECT_TRUE(QFileInfo::exists(empty));
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

TEST(writeTextFile, PictureNamesGoToThePictureWriterAndWriteNoText)
{
    const QTemporaryDir dir;
    QStringList drawn;
    const PictureWriter recordPicture = [&drawn](const QString &text, const QString &path) {
        drawn.append(text + u'>' + QFileInfo(path).fileName());
    };
    for (const char *name : {"bild.jpg", "BILD.JPEG", "a.b.Bmp", "anim.gIf"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_EQ(writeTextFile(QStringLiteral("Zeile\r\n"), path, TextEncoding::Utf8, recordPicture), 0)
            << name;
        EXPECT_FALSE(QFileInfo::exists(path)) << name;
    }
    EXPECT_EQ(drawn,
              QStringList({QStringLiteral("Zeile\r\n>bild.jpg"), QStringLiteral("Zeile\r\n>BILD.JPEG"),
                           QStringLiteral("Zeile\r\n>a.b.Bmp"), QStringLiteral("Zeile\r\n>anim.gIf")}));

    for (const char *name : {"bild.jpg.txt", "bild.png", "bild.jpgx", "jpg", "bild.jpe"}) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_EQ(writeTextFile(QStringLiteral("t"), path, TextEncoding::Ansi, refusePictures), 1) << name;
        EXPECT_EQ(readAll(path), QByteArray("t")) << name;
    }

    // The extension is taken from the last path component only.
    EXPECT_FALSE(isPictureFileName(QStringLiteral("/tmp/fotos.jpg/liste")));
    EXPECT_TRUE(isPictureFileName(QStringLiteral("/tmp/fotos.d/.jpg")));
}

TEST(writeTextFile, AFileThatCannotBeWrittenRaisesTheCreateError)
{
    const QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("fehlt/Tabelle.txt"));
    EXPECT_EQ(createError(missing),
              QStringLiteral("Cannot create file \"%1\". %2").arg(missing, systemReason(ENOENT)));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("fehlt"))));

    // The reason is the system's own text, in the system's language.
    EXPECT_EQ(createError(dir.path()),
              QStringLiteral("Cannot create file \"%1\". %2").arg(dir.path(), systemReason(EISDIR)));

    // A percent sign in the name stays as it is.
    const QString percent = dir.filePath(QStringLiteral("%2 fehlt/%1.txt"));
    EXPECT_EQ(createError(percent), QStringLiteral("Cannot create file \"") + percent +
                                        QStringLiteral("\". ") + systemReason(ENOENT));

    // Creating works but writing does not: a full device.
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        EXPECT_EQ(createError(QStringLiteral("/dev/full")),
                  QStringLiteral("Cannot create file \"/dev/full\". ") + systemReason(ENOSPC));
    }

    // A disk that fills up halfway: the earlier table stays whole and nothing else is left.
    const QString table = dir.filePath(QStringLiteral("Tabelle.txt"));
    writeEncodedTextFile(QStringLiteral("alt\r\n"), table, TextEncoding::Utf8);
    const QString longText(3000, u'ü');
    EXPECT_EQ(
        errorUnderFileSizeLimit(1000, [&] { writeEncodedTextFile(longText, table, TextEncoding::Utf16LE); }),
        QStringLiteral("Cannot create file \"%1\". %2").arg(table, systemReason(EFBIG)));
    EXPECT_EQ(readAll(table), QByteArray("\xEF\xBB\xBF"
                                         "alt\r\n"));
    EXPECT_EQ(namesIn(dir.path()), QStringList(QStringLiteral("Tabelle.txt")));
}
