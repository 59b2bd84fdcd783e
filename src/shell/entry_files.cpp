#include "shell/entry_files.h"

#include "common/paths.h"
#include "common/safe_file.h"
#include "common/tabulix_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>

namespace {
constexpr int toolTimeoutMs = 60000;
}

QString readEntryFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString readEditedFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw TabulixError(QStringLiteral("Cannot read file \"%1\": %2").arg(path, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    if (decoder.hasError())
        throw TabulixError(QStringLiteral("The file \"%1\" is not UTF-8 and stays as it is.").arg(path));
    return text;
}

void writeEntryFile(const QString &path, const QString &text, bool executable)
{
    const QString folder = folderPart(path);
    if (!QDir().mkpath(folder))
        throw TabulixError(QStringLiteral("Cannot create folder \"%1\".").arg(folder));
    writeFileSafely(path, text.toUtf8(), QStringLiteral("Cannot create file \"%1\".").arg(path));
    if (executable) {
        const auto permissions = QFile::permissions(path);
        QFile::setPermissions(path, permissions | QFile::ExeOwner | QFile::ExeUser);
    }
}

void removeEntryFile(const QString &path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        throw TabulixError(QStringLiteral("Cannot delete file \"%1\": %2").arg(path, file.errorString()));
}

void removeEntryFileWithFolders(const QString &path, const QStringList &keptFolders)
{
    removeEntryFile(path);
    // The folders add made for its files go with them; rmdir takes only empty ones.
    const auto belowKept = [&keptFolders](const QString &folder) {
        return std::any_of(keptFolders.cbegin(), keptFolders.cend(),
                           [&folder](const QString &kept) { return folder.startsWith(kept + u'/'); });
    };
    for (QString folder = QFileInfo(path).path(); belowKept(folder) && QDir().rmdir(folder);)
        folder = QFileInfo(folder).path();
}

void runDesktopTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    // Their complaints are not the program's own messages.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(toolTimeoutMs);
}
