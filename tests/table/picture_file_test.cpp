// Pictures encoded as BMP, JPEG and GIF files: their bytes, what readers make of them, failures.
#include "common/tabulix_error.h"
#include "file_write_test_support.h"
#include "table/output_targets.h"
#include "table/picture_file.h"
#include "table/table_picture.h"
#include "table/web_palette.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace {

// Colours row by row, each given as 0xRRGGBB.
QImage pictureOf(int width, const std::initializer_list<QRgb> colours)
{
    QImage picture(width, int(colours.size()) / width, QImage::Format_RGB32);
    picture.setDotsPerMeterX(pictureDotsPerMeter);
    picture.setDotsPerMeterY(pictureDotsPerMeter);
    int i = 0;
    for (const QRgb colour : colours) {
        picture.setPixel(i % width, i / width, colour | 0xFF000000);
        ++i;
    }
    return picture;
}

QImage hundredLines()
{
    QStringList lines(98, QStringLiteral("Bericht & Plan.txt  TXT  1,205 KB"));
    lines.prepend(QStringLiteral("%F%Dateiliste"));
    lines.append(QStringLiteral("%K%5 Dateien; 2,502 MB"));
    return *drawTablePicture(lines, {QFont(QStringLiteral("Liberation Mono"), 9), Qt::black}, Qt::white);
}

struct GifContent {
    QList<int> indexes;
    QList<QRgb> colourTable;
};

int readFromBuffer(GifFileType *gif, GifByteType *data, int length)
{
    return int(static_cast<QBuffer *>(gif->UserData)->read(reinterpret_cast<char *>(data), length));
}

// The stored palette indexes and colour table, as an independent decoder reads them.
GifContent decodeGif(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    int error = 0;
    GifFileType *gif = DGifOpen(&buffer, readFromBuffer, &error);
    GifContent content;
    if (!gif)
        return content;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1 && gif->SColorMap) {
        const SavedImage &image = gif->SavedImages[0];
        for (int i = 0; i < image.ImageDesc.Width * image.ImageDesc.Height; ++i)
            content.indexes.append(image.RasterBits[i]);
        for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType &colour = gif->SColorMap->Colors[i];
            content.colourTable.append(qRgb(colour.Red, colour.Green, colour.Blue));
        }
    }
    DGifCloseFile(gif, &error);
    return content;
}

QImage blank(int width)
{
    QImage picture(width, 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

TEST(PictureFile, BitmapHeadersAndBottomUpPaddedRows)
{
    const QImage picture = pictureOf(3, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112});
    const QByteArray expected = QByteArray::fromHex("424d"
                                                    "4e000000" // file size 78
                                                    "00000000"
                                                    "36000000" // pixels at 54
                                                    "28000000" // info header size 40
                                                    "03000000"
                                                    "02000000"
                                                    "0100"
                                                    "1800"     // 24 bits per pixel
                                                    "00000000" // uncompressed
                                                    "18000000" // 24 bytes of pixels
                                                    "c40e0000" // 3780 dots per metre
                                                    "c40e0000"
                                                    "00000000"
                                                    "00000000"
                                                    "0c0b0a0f0e0d121110000000"   // the bottom row first
                                                    "030201060504090807000000"); // blue, green, red; padded
    EXPECT_EQ(encodePicture(picture, OutputFormat::Bmp), expected);
}

TEST(PictureFile, SavedPicturesLoadBackWithTheirSize)
{
    const QImage picture = hundredLines();
    ASSERT_EQ(picture.height(), 1420);
    const QTemporaryDir dir;
    const struct {
        const char *name;
        OutputFormat format;
        QByteArray readerFormat;
    } cases[] = {{"table.bmp", OutputFormat::Bmp, "bmp"},
                 {"table.jpg", OutputFormat::Jpg, "jpeg"},
                 {"table.gif", OutputFormat::Gif, "gif"}};
    for (const auto &[name, format, readerFormat] : cases) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_NO_THROW(savePicture(picture, path, format)) << name;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), readerFormat) << name;
        const QImage loaded = reader.read();
        EXPECT_EQ(loaded.size(), picture.size()) << name;
    }
    // Bitmaps keep every pixel; GIF keeps these, black and white being web colours.
    EXPECT_TRUE(QImage(dir.filePath(QStringLiteral("table.bmp"))).convertToFormat(QImage::Format_RGB32) ==
                picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(QImage(dir.filePath(QStringLiteral("table.gif"))).convertToFormat(QImage::Format_RGB32) ==
                reduceToWebPalette(picture).convertToFormat(QImage::Format_RGB32));
}

TEST(PictureFile, GifStoresTheWebPaletteLevelOfEveryComponent)
{
    // Levels change where c + 3 reaches a multiple of 51: 47 → 0, 48 → 1, 98 → 1, 99 → 2, 252 → 5.
    const QImage picture = pictureOf(3, {0x2F2F2F, 0x303030, 0xFF0080, 0x62630F, 0x000000, 0xFCFFFC});
    const auto bytes = encodePicture(picture, OutputFormat::Gif);
    ASSERT_TRUE(bytes);
    const GifContent gif = decodeGif(*bytes);
    EXPECT_EQ(gif.indexes, QList<int>({0, 36 + 6 + 1, 36 * 5 + 2, 36 * 1 + 6 * 2 + 0, 0, 215}));
    ASSERT_EQ(gif.colourTable.size(), 256);
    EXPECT_EQ(gif.colourTable[43], qRgb(51, 51, 51));
    EXPECT_EQ(gif.colourTable[182], qRgb(255, 0, 102));
    EXPECT_EQ(gif.colourTable[215], qRgb(255, 255, 255));
    EXPECT_EQ(gif.colourTable[216], qRgb(0, 0, 0));

    const QImage loaded = QImage::fromData(*bytes, "GIF");
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(loaded.pixel(1, 0), qRgb(51, 51, 51));
    EXPECT_EQ(loaded.pixel(0, 1), qRgb(51, 102, 0));
}

TEST(PictureFile, JpegIsBaselineAtQuality85)
{
    const auto bytes = encodePicture(hundredLines(), OutputFormat::Jpg);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes->contains("\xFF\xC0")); // baseline frame
    // Quality 85 scales the standard luminance table to 30 %: its first entries 16 and 11 become 5 and 3.
    const qsizetype table = bytes->indexOf("\xFF\xDB");
    ASSERT_GE(table, 0);
    EXPECT_EQ(bytes->mid(table + 4, 3), QByteArray::fromHex("000503"));
}

TEST(PictureFile, TheFileToolRecognisesEachFormat)
{
    const QString tool = QStringLiteral("/usr/bin/file");
    if (!QFile::exists(tool))
        GTEST_SKIP() << "no file tool";
    const QImage picture = pictureOf(3, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112});
    const QTemporaryDir dir;
    const struct {
        const char *name;
        OutputFormat format;
        const char *description;
    } cases[] = {{"p.bmp", OutputFormat::Bmp, "PC bitmap, Windows 3.x format, 3 x 2 x 24"},
                 {"p.jpeg", OutputFormat::Jpg, "JPEG image data"},
                 {"p.gif", OutputFormat::Gif, "GIF image data, version 87a, 3 x 2"}};
    for (const auto &[name, format, description] : cases) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_NO_THROW(savePicture(picture, path, format)) << name;
        QProcess file;
        file.start(tool, {QStringLiteral("-b"), path});
        ASSERT_TRUE(file.waitForFinished(10000));
        EXPECT_TRUE(file.readAllStandardOutput().startsWith(description)) << name;
    }
}

TEST(PictureFile, FailuresWriteNothing)
{
    const QTemporaryDir dir;
    const QImage picture = pictureOf(1, {0xFFFFFF});
    const auto errorOf = [](const std::function<void()> &write) {
        try {
            write();
        } catch (const TabulixError &error) {
            return error.message();
        }
        return QStringLiteral("<no error>");
    };
    const QString missing = dir.filePath(QStringLiteral("missing/table.bmp"));
    EXPECT_EQ(errorOf([&] { savePicture(picture, missing, OutputFormat::Bmp); }),
              QStringLiteral("Cannot create the picture \"%1\". %2").arg(missing, systemReason(ENOENT)));

    // Too wide for the format: the earlier file stays as it was.
    const QString earlier = dir.filePath(QStringLiteral("earlier.jpg"));
    ASSERT_NO_THROW(savePicture(picture, earlier, OutputFormat::Jpg));
    const QByteArray before = contentOf(earlier);
    EXPECT_EQ(errorOf([&] { savePicture(blank(65501), earlier, OutputFormat::Jpg); }),
              QStringLiteral("Cannot create the picture \"%1\".").arg(earlier));
    EXPECT_EQ(contentOf(earlier), before);

    // A disk that fills up halfway: the earlier picture stays whole and nothing else is left.
    // The picture is one row, small enough to be encoded without helper threads.
    EXPECT_EQ(errorUnderFileSizeLimit(before.size() + 100,
                                      [&] { savePicture(blank(2000), earlier, OutputFormat::Bmp); }),
              QStringLiteral("Cannot create the picture \"%1\". %2").arg(earlier, systemReason(EFBIG)));
    EXPECT_EQ(contentOf(earlier), before);
    EXPECT_EQ(namesIn(dir.path()), QStringList(QStringLiteral("earlier.jpg")));

    EXPECT_FALSE(encodePicture(blank(65536), OutputFormat::Gif));
    EXPECT_TRUE(encodePicture(blank(65535), OutputFormat::Gif));
    for (const OutputFormat format : {OutputFormat::Bmp, OutputFormat::Jpg, OutputFormat::Gif})
        EXPECT_FALSE(encodePicture(QImage(), format));
    EXPECT_FALSE(encodePicture(picture, OutputFormat::Txt));
}

TEST(PictureFile, PictureNamesByTheirExtensionInAnyCase)
{
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("/tmp/Liste.BMP")), OutputFormat::Bmp);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("/tmp/Liste.Gif")), OutputFormat::Gif);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("liste.jpg")), OutputFormat::Jpg);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("liste.JPEG")), OutputFormat::Jpg);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("liste.gif.txt")), std::nullopt);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("/tmp/bilder.jpg/liste")), std::nullopt);
    EXPECT_EQ(pictureFormatOfFileName(QStringLiteral("liste.png")), std::nullopt);
}

TEST(PictureFile, TextAndTablePicturesAreWrittenOrTheErrorNamesThePath)
{
    const QTemporaryDir dir;
    const StyledFont font{QFont(QStringLiteral("Liberation Mono"), 9), Qt::darkBlue};
    const QColor background(0xFF, 0xEE, 0xDD);

    // The text's CR LF lines, drawn plain in the format the name asks for, in any case.
    const QString text = QStringLiteral("%F%Name;Größe\r\nb.txt;1\r\n");
    const QString textPath = dir.filePath(QStringLiteral("liste.Gif"));
    writeTextPicture(text, textPath, font, background);
    const QByteArray expectedText =
        *encodePicture(*drawTextPicture(textPictureLines(text), font, background), OutputFormat::Gif);
    EXPECT_EQ(contentOf(textPath), expectedText);

    const QStringList lines{QStringLiteral("%F%Dateiliste"), QStringLiteral("a.txt  1 KB")};
    const QString tablePath = dir.filePath(QStringLiteral("liste.data"));
    writeTablePicture(lines, tablePath, OutputFormat::Bmp, font, background);
    EXPECT_EQ(contentOf(tablePath),
              *encodePicture(*drawTablePicture(lines, font, background), OutputFormat::Bmp));

    const auto errorOf = [](const std::function<void()> &write) {
        try {
            write();
        } catch (const TabulixError &error) {
            return error.message();
        }
        return QString();
    };
    const QString missing = dir.filePath(QStringLiteral("missing/liste.bmp"));
    const QString missingError =
        QStringLiteral("Cannot create the picture \"%1\". %2").arg(missing, systemReason(ENOENT));
    EXPECT_EQ(errorOf([&] { writeTextPicture(text, missing, font, background); }), missingError);
    EXPECT_EQ(errorOf([&] { writeTablePicture(lines, missing, OutputFormat::Jpg, font, background); }),
              missingError);
    // A name that asks for no picture gets none, and the earlier file stays.
    const QString notPicture = dir.filePath(QStringLiteral("liste.txt"));
    EXPECT_FALSE(errorOf([&] { writeTextPicture(text, notPicture, font, background); }).isEmpty());
    EXPECT_FALSE(QFile::exists(notPicture));
}
