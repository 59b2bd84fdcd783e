// The reader of file-list files on any bytes: no line holds a line end, only a list marked as
// UTF-7 can fail, and the lines written back as a list read back the same.
#include "collect/file_list_file.h"
#include "encoding/encode_text.h"
#include "fuzz_support.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const std::optional<QStringList> lines = readFileList(bytes);
    if (!lines) {
        check(bytes.startsWith("+/v8"), "only UTF-7 fails");
        return 0;
    }
    check(!lines->isEmpty(), "there is always a last line");
    for (const QString &line : *lines)
        check(!line.contains(u'\r') && !line.contains(u'\n'), "lines hold no line ends");
    // Without the last line, which the written list's final CR LF brings back. UTF-8 cannot
    // hold a lone surrogate, so those come back as UTF-8 writes them.
    const QStringList paths = lines->mid(0, lines->size() - 1);
    QStringList expected;
    for (const QString &path : paths) {
        QStringDecoder keepingMarks(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        expected.append(keepingMarks(path.toUtf8()));
    }
    const std::optional<QStringList> again =
        readFileList(encodeText(fileListText(paths), TextEncoding::Utf8));
    check(again && again->mid(0, again->size() - 1) == expected && again->last().isEmpty(),
          "a written list reads back");
    return 0;
}
