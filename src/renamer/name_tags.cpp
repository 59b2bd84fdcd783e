#include "renamer/name_tags.h"

#include <QFile>

// The photo library's 0.27 headers still name std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace {

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? QString() : QString::fromStdString(found->toString()).trimmed();
}

void readPhotoTags(const QByteArray &path, FileTags &tags)
{
    // Once for all threads: the XMP toolkit must be set up before the first image is read.
    static const bool ready = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return Exiv2::XmpParser::initialize();
    }();
    if (!ready)
        return;
    try {
        auto image = Exiv2::ImageFactory::open(path.toStdString());
        image->readMetadata();
        const Exiv2::ExifData &exif = image->exifData();
        tags.taken = QDateTime::fromString(exifText(exif, "Exif.Photo.DateTimeOriginal"),
                                           QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        tags.camera = exifText(exif, "Exif.Image.Model");
    } catch (const std::exception &) {
        // No photo, or none the library can read: no photo tags.
    }
}

QString text(const TagLib::String &value)
{
    return QString::fromStdString(value.to8Bit(true)).trimmed();
}

void readAudioTags(const QByteArray &path, FileTags &tags)
{
    const TagLib::FileRef file(path.constData(), false);
    if (file.isNull() || !file.tag())
        return;
    const TagLib::Tag &tag = *file.tag();
    tags.artist = text(tag.artist());
    tags.album = text(tag.album());
    tags.title = text(tag.title());
    tags.track = int(tag.track());
    if (tag.year() > 0)
        tags.year = QString::number(tag.year());
}

} // namespace
#pragma GCC diagnostic pop

FileTags readFileTags(const QString &path)
{
    FileTags tags;
    const QByteArray name = QFile::encodeName(path);
    readPhotoTags(name, tags);
    if (tags.camera.isEmpty() && !tags.taken.isValid())
        readAudioTags(name, tags);
    return tags;
}
