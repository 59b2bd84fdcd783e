#include "verify/check_report.h"

#include "collect/system_path.h"
#include "verify/reported_names.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>

namespace {

QString shown(const QByteArray &bytes)
{
    return shownPath(bytes);
}

// "1 line is" / "2 lines are": the warnings' singular and plural.
QString counted(qsizetype count, const char *singular, const char *plural)
{
    return QStringLiteral("WARNING: %1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

class ReportWriter {
public:
    ReportWriter(const QByteArray &manifestName, const CheckOptions &options)
        : m_quotedManifest(shown(shellQuoted(manifestName))), m_options(options)
    {
    }

    void badLine(qsizetype number, const QString &kindName)
    {
        ++m_badLines;
        if (m_options.verbosity == CheckOptions::Verbosity::Warn)
            error(QStringLiteral("%1: %2: improperly formatted %3 checksum line")
                      .arg(m_quotedManifest)
                      .arg(number)
                      .arg(kindName));
    }

    void moved(const ManifestEntry &entry, const QByteArray &newName)
    {
        m_foundInRoot = true;
        status(shown(statusLineName(newName)) + QStringLiteral(": MOVED from ") + shown(statusLineName(entry.name)));
    }

    void newFile(const QByteArray &name)
    {
        m_foundInRoot = true;
        status(shown(statusLineName(name)) + QStringLiteral(": NEW"));
    }

    void file(const ManifestEntry &entry, const FileCheck &check)
    {
        const QString name = shown(statusLineName(entry.name));
        switch (check.outcome) {
        case FileCheck::Outcome::Ok:
            m_matched = true;
            if (m_options.verbosity != CheckOptions::Verbosity::Quiet)
                status(name + QStringLiteral(": OK"));
            return;
        case FileCheck::Outcome::Failed:
            ++m_mismatched;
            status(name + QStringLiteral(": FAILED"));
            return;
        case FileCheck::Outcome::Unreadable:
            if (m_options.ignoreMissing && check.error == ENOENT)
                return;
            ++m_unreadable;
            error(shown(shellQuoted(entry.name)) + QStringLiteral(": ") +
                  (check.error == 0 ? QStringLiteral("Not a regular file, not read") : englishErrorText(check.error)));
            status(name + QStringLiteral(": FAILED open or read"));
            return;
        }
    }

    CheckReport finish(bool anyEntry, qsizetype rowsWithoutDigest)
    {
        m_rowsWithoutDigest = rowsWithoutDigest;
        if (!anyEntry) {
            error(m_quotedManifest + QStringLiteral(": no properly formatted checksum lines found"));
        } else if (m_options.verbosity != CheckOptions::Verbosity::Status) {
            if (m_badLines > 0)
                error(counted(m_badLines, "line is improperly formatted", "lines are improperly formatted"));
            if (m_unreadable > 0)
                error(counted(m_unreadable, "listed file could not be read", "listed files could not be read"));
            if (m_mismatched > 0)
                error(counted(m_mismatched, "computed checksum did NOT match", "computed checksums did NOT match"));
            if (m_rowsWithoutDigest > 0)
                error(counted(m_rowsWithoutDigest, "listed file has no checksum", "listed files have no checksum"));
            if (m_options.ignoreMissing && !m_matched)
                error(m_quotedManifest + QStringLiteral(": no file was verified"));
        }
        m_report.passed = anyEntry && !m_foundInRoot && m_matched && m_mismatched == 0 && m_unreadable == 0 &&
                          (!m_options.strict || m_badLines == 0);
        return std::move(m_report);
    }

private:
    void status(const QString &text)
    {
        if (m_options.verbosity != CheckOptions::Verbosity::Status)
            m_report.lines.append({false, text});
    }
    void error(const QString &text) { m_report.lines.append({true, text}); }

    const QString m_quotedManifest;
    const CheckOptions &m_options;
    CheckReport m_report;
    qsizetype m_badLines = 0, m_unreadable = 0, m_mismatched = 0, m_rowsWithoutDigest = 0;
    bool m_matched = false;
    bool m_foundInRoot = false; // new or moved files
};

} // namespace

CheckReport reportCheck(const QByteArray &shownName, const Manifest &manifest, const QList<FileCheck> &checks,
                        const CheckOptions &options, const RootFindings &findings)
{
    ReportWriter writer(shownName, options);
    const QString kindName = digestName(manifest);
    // Bad lines and files in the order of their lines, as they were read.
    qsizetype bad = 0;
    for (qsizetype i = 0; i < manifest.entries.size(); ++i) {
        for (; bad < manifest.badLines.size() && manifest.badLines[bad] < manifest.entries[i].line; ++bad)
            writer.badLine(manifest.badLines[bad], kindName);
        if (const auto moved = findings.movedTo.constFind(i); moved != findings.movedTo.constEnd())
            writer.moved(manifest.entries[i], *moved);
        else
            writer.file(manifest.entries[i], checks[i]);
    }
    for (; bad < manifest.badLines.size(); ++bad)
        writer.badLine(manifest.badLines[bad], kindName);
    for (const QByteArray &name : findings.newNames)
        writer.newFile(name);
    return writer.finish(!manifest.entries.isEmpty(), manifest.rowsWithoutDigest);
}

QString englishErrorText(int error)
{
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return QString::fromUtf8(strerror_l(error, english));
}
