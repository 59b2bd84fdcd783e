#include "check_command.h"

#include "cli_feedback.h"
#include "collect/system_path.h"
#include "common/tabulix_error.h"
#include "result_output.h"
#include "standard_output.h"
#include "verify/check_report.h"
#include "verify/manifest_check.h"
#include "verify/read_manifest.h"
#include "verify/reported_names.h"
#include "verify/root_findings.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char usage[] =
    "Usage: tabulix-cli check [OPTION]... MANIFEST...\n"
    "Reads checksum files and checks every file they name, with the lines, warnings and exit\n"
    "status of \"sha256sum -c\". Formats are told apart by their content: the lines of md5sum,\n"
    "sha1sum, sha256sum and sha512sum, their BSD tags (SHA256 (NAME) = HEX, also MD5, SHA1,\n"
    "SHA512, CRC32), SFV files, hashdeep files and CSV tables of this program with the full\n"
    "path column and checksum columns. Relative names are taken from the folder of their\n"
    "checksum file. With no MANIFEST, or when MANIFEST is -, standard input is read.\n"
    "\n"
    "  --ignore-missing  don't fail or report status for missing files\n"
    "  --quiet           don't print OK for each successfully verified file\n"
    "  --status          don't output anything, the exit status shows success\n"
    "  --strict          exit non-zero for improperly formatted checksum lines\n"
    "  -w, --warn        warn about improperly formatted checksum lines\n"
    "  --root DIR        take relative names from DIR, and report after the checked lines\n"
    "                    NAME: NEW for every file below DIR that no line names, and\n"
    "                    NEWNAME: MOVED from OLDNAME (instead of its failure) for a missing\n"
    "                    file whose digests an unlisted file has; either fails the check\n"
    "  --format FORMAT   print a table instead of the lines: txt, csv, htm or json, with\n"
    "                    a status, the path, the checksums expected and found and the\n"
    "                    size of every file, and the count of each status\n"
    "  --lang de|en      language of the table's statuses and headers (json: English)\n"
    "  --                end of the options\n"
    "  --help            show this help and exit\n"
    "\n"
    "Exit status: 0 when at least one line was well formed, every listed file matched and\n"
    "every one could be read (with --strict: and no line was badly formed); 1 otherwise;\n"
    "2 wrong usage, or a table whose paths are shortened.\n";

struct CheckArguments {
    bool help = false;
    CheckOptions options;
    QString root; // --root: relative names from here, and new and moved files found here
    QStringList manifests;
    std::optional<OutputFormat> format; // --format: a table instead of the lines
    Language language = startLanguage();
};

CheckArguments parseCheckArguments(const QStringList &arguments)
{
    CheckArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        using Verbosity = CheckOptions::Verbosity;
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-")
            parsed.manifests.append(argument);
        else if (argument == u"--")
            optionsEnded = true;
        else if (argument == u"--help")
            parsed.help = true;
        else if (argument == u"--quiet")
            parsed.options.verbosity = Verbosity::Quiet;
        else if (argument == u"--status")
            parsed.options.verbosity = Verbosity::Status;
        else if (argument == u"--warn" || argument == u"-w")
            parsed.options.verbosity = Verbosity::Warn;
        else if (argument == u"--strict")
            parsed.options.strict = true;
        else if (argument == u"--ignore-missing")
            parsed.options.ignoreMissing = true;
        else if (argument == u"--root" && i + 1 < arguments.size() && !arguments[i + 1].isEmpty())
            parsed.root = arguments[++i];
        else if (argument == u"--root")
            throw TabulixError(QStringLiteral("--root needs a folder"));
        else if ((argument == u"--format" || argument == u"--lang") && i + 1 == arguments.size())
            throw TabulixError(argument + QStringLiteral(" needs a value"));
        else if (argument == u"--format")
            parsed.format = resultFormatOfTag(arguments[++i]);
        else if (argument == u"--lang")
            parsed.language = languageOfOption(arguments[++i]);
        else
            throw TabulixError(QStringLiteral("unknown option for check: ") + argument);
    }
    if (parsed.manifests.isEmpty())
        parsed.manifests.append(QStringLiteral("-"));
    return parsed;
}

// Every byte the descriptor gives; errno set and none when a read fails.
std::optional<QByteArray> readAll(int fd)
{
    QByteArray bytes;
    constexpr qsizetype Block = 1 << 16;
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + Block);
        const ssize_t got = ::read(fd, bytes.data() + had, size_t(Block));
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (got < 0)
            return std::nullopt;
        bytes.resize(had + got);
        if (got == 0)
            return bytes;
    }
}

// The folder relative names are taken from: that of the file, the current one for standard input.
QByteArray folderOf(const QByteArray &manifest)
{
    const qsizetype slash = manifest.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : manifest.first(slash);
}

class CheckPrinter {
public:
    explicit CheckPrinter(const StandardOutput &out) : m_out(out) {}
    const StandardOutput &out() const { return m_out; }

    void error(const QString &text) const
    {
        QTextStream(stderr) << shownOn(STDERR_FILENO, QStringLiteral("tabulix-cli: ") + text + u'\n');
    }

    // The lines in their order, those of one stream in a block; false when standard output failed.
    bool print(const CheckReport &report) const
    {
        for (qsizetype from = 0; from < report.lines.size();) {
            const bool toError = report.lines[from].toStandardError;
            QString block;
            qsizetype to = from;
            for (; to < report.lines.size() && report.lines[to].toStandardError == toError; ++to)
                block += (toError ? QStringLiteral("tabulix-cli: ") : QString()) + report.lines[to].text + u'\n';
            if (toError) {
                QTextStream(stderr) << shownOn(STDERR_FILENO, block);
            } else if (const QString failure = m_out.write(block); !failure.isEmpty()) {
                error(QStringLiteral("cannot write to standard output: ") + failure);
                return false;
            }
            from = to;
        }
        return true;
    }

private:
    const StandardOutput &m_out;
};

// Checks one manifest: 0 when it passed, 1 when not, 2 when it cannot be checked at all.
int checkManifest(const QString &typed, const CheckArguments &arguments, const CheckPrinter &printer)
{
    const bool standardInput = typed == u"-";
    const QByteArray path = standardInput ? QByteArray() : encodedPath(typed);
    const QByteArray shownName = standardInput ? QByteArray("standard input") : path;
    const FileDescriptor file(standardInput ? -1 : openPath(path, O_RDONLY));
    const std::optional<QByteArray> bytes =
        standardInput || file.get() >= 0 ? readAll(standardInput ? STDIN_FILENO : file.get()) : std::nullopt;
    if (!bytes) {
        printer.error(shownPath(shellQuoted(shownName)) + QStringLiteral(": ") + englishErrorText(errno));
        return 1;
    }
    const Manifest manifest = readManifest(*bytes);
    if (!manifest.unusable.isEmpty()) {
        printer.error(shownPath(shellQuoted(shownName)) + QStringLiteral(": ") + manifest.unusable);
        return 2;
    }
    const QByteArray folder = !arguments.root.isEmpty() ? cleanedPath(encodedPath(arguments.root))
                              : standardInput       ? QByteArray(".")
                                                    : folderOf(path);
    // Progress on a terminal once the files take longer than a second.
    CliFeedback feedback;
    QElapsedTimer clock;
    clock.start();
    bool shown = false;
    qint64 shownAt = 0;
    const QList<FileCheck> checks = checkFiles(manifest.entries, folder, [&](qsizetype done) {
        constexpr qint64 FirstAfterMs = 1000, EveryMs = 200;
        if (clock.elapsed() < FirstAfterMs || (shown && clock.elapsed() - shownAt < EveryMs))
            return;
        shown = true;
        shownAt = clock.elapsed();
        feedback.showProgress({QStringLiteral("tabulix-cli check"), {},
                               QStringLiteral("%1 of %2 files").arg(done).arg(manifest.entries.size())});
    });
    if (shown)
        feedback.hideProgress();
    const RootFindings findings =
        arguments.root.isEmpty() ? RootFindings() : findNewAndMoved(manifest.entries, checks, folder, path);
    const CheckReport report = reportCheck(shownName, manifest, checks, arguments.options, findings);
    const bool printed = arguments.format ? printResultTable(checkResultRows(manifest, checks, findings),
                                                             *arguments.format, arguments.language, printer.out())
                                          : printer.print(report);
    return printed && report.passed ? 0 : 1;
}

} // namespace

int runCheckCommand(const QStringList &arguments, const StandardOutput &out)
{
    const CheckArguments parsed = parseCheckArguments(arguments);
    if (parsed.help) {
        const QString failure = out.write(QLatin1String(usage));
        return failure.isEmpty() ? 0 : 1;
    }
    const CheckPrinter printer(out);
    int status = 0;
    for (const QString &manifest : parsed.manifests)
        status = std::max(status, checkManifest(manifest, parsed, printer));
    return status;
}
