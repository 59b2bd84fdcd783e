#include "manifest_output.h"

#include "app/program_state.h"
#include "app/table_output.h"
#include "collect/system_path.h"
#include "common/tabulix_error.h"
#include "standard_output.h"

#include <QDir>
#include <QTextStream>
#include <unistd.h>

namespace {

void reportError(const QString &reason)
{
    QTextStream(stderr) << "tabulix-cli: " << shownOn(STDERR_FILENO, reason) << '\n';
}

// The lines to standard output, names relative to the current folder; the paths left out.
std::optional<QList<QByteArray>> printManifest(const ProgramState &state, ManifestKind kind,
                                               const StandardOutput &out)
{
    const WrittenManifest manifest = rowsManifest(state.fileList.rows(), kind, QDir::currentPath());
    const QString failure = out.write(shownPath(manifest.bytes()));
    if (!failure.isEmpty()) {
        reportError(QStringLiteral("cannot write to standard output: ") + failure);
        return std::nullopt;
    }
    return manifest.unreadable;
}

} // namespace

int writeManifestOutput(const ProgramState &state, ManifestKind kind, const QString &file,
                        const StandardOutput &out)
{
    std::optional<QList<QByteArray>> leftOut;
    if (file.isEmpty()) {
        leftOut = printManifest(state, kind, out);
    } else {
        try {
            leftOut = saveManifest(state.fileList.rows(), kind, file);
        } catch (const TabulixError &error) {
            reportError(error.message());
        }
    }
    if (!leftOut)
        return 1;
    for (const QByteArray &path : *leftOut)
        reportError(shownPath(path) + QStringLiteral(": cannot be read to its end or named in this format; left out"));
    return leftOut->isEmpty() ? 0 : 1;
}
