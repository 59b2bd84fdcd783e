#include "encoding/write_text_file.h"

#include "common/safe_file.h"
#include "encoding/encode_text.h"

bool isPictureFileName(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/'))
        return false;
    const QStringView extension = QStringView(path).mid(dot);
    for (const char16_t *picture : {u".bmp", u".gif", u".jpg", u".jpeg"})
        if (extension.compare(QStringView(picture), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString fileCreationError(const QString &path)
{
    return QStringLiteral("Cannot create file \"%1\".").arg(path);
}

void writeEncodedTextFile(const QString &text, const QString &path, TextEncoding encoding)
{
    writeFileSafely(path, encodeText(text, encoding), fileCreationError(path));
}

void writeUtf8TextFile(const QString &text, const QString &path)
{
    writeFileSafely(path, text.toUtf8(), fileCreationError(path));
}

int writeTextFile(const QString &text, const QString &path, TextEncoding encoding,
                  const PictureWriter &writePicture)
{
    if (isPictureFileName(path)) {
        writePicture(text, path);
        return 0;
    }
    writeEncodedTextFile(text, path, encoding);
    return 1;
}
