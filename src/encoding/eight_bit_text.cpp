#include "encoding/eight_bit_text.h"

#include "encoding/windows1252.h"

#include <QStringDecoder>

QString decodeUtf8(QByteArrayView bytes, bool *valid)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

QString decodeEightBitText(QByteArrayView bytes, bool *wasUtf8)
{
    bool valid = false;
    QString text = decodeUtf8(bytes, &valid);
    if (wasUtf8)
        *wasUtf8 = valid;
    return valid ? text : decodeWindows1252(bytes);
}
