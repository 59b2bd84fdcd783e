#include "app/file_clipboard.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QStringList pathsToCopy(const QStringList &selectedPaths)
{
    if (selectedPaths.size() == 1 && !QFileInfo(selectedPaths.first()).isFile())
        return {};
    return selectedPaths;
}

std::unique_ptr<QMimeData> copiedFilesData(const QStringList &paths)
{
    QList<QByteArray> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path).toEncoded());
    auto data = std::make_unique<QMimeData>();
    // A URI list ends every line with CR LF.
    QByteArray uriList;
    for (const QByteArray &url : std::as_const(urls))
        uriList += url + "\r\n";
    data->setData(QStringLiteral("text/uri-list"), uriList);
    data->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + urls.join('\n'));
    data->setData(QStringLiteral("application/x-kde-cutselection"), "0");
    data->setText(paths.join(u'\n'));
    return data;
}
