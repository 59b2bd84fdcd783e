#include "encoding/write_text_file.h"

#include "common/tabulix_error.h"
#include "encoding/encode_text.h"

#include <QFile>

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

void writeEncodedTextFile(const QString &text, const QString &path, TextEncoding encoding)
{
    const QByteArray bytes = encodeText(text, encoding);
    QFile file(path);
    // Writing is buffered: a full disk shows only when closing flushes.
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
        file.close();
    }
    if (file.error() != QFileDevice::NoError)
        throw TabulixError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
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
