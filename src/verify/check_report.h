#pragma once
// The lines a check prints, as coreutils' "sha256sum -c" prints them, so that scripts written
// for it keep working: "NAME: OK", "NAME: FAILED", "NAME: FAILED open or read", the reasons on
// standard error, and the warnings at the end. They are English in every language.
#include "verify/manifest.h"
#include "verify/manifest_check.h"
#include "verify/root_findings.h"

#include <QList>
#include <QString>

struct CheckOptions {
    // --quiet, --status and --warn undo each other: the last one given counts.
    enum class Verbosity { Normal, Quiet, Status, Warn };
    Verbosity verbosity = Verbosity::Normal;
    bool strict = false;        // a bad line fails the check
    bool ignoreMissing = false; // a missing file is passed over
};

struct ReportLine {
    bool toStandardError = false; // such lines follow the program's name and ": "
    QString text;                 // without the line end
};

struct CheckReport {
    QList<ReportLine> lines;
    bool passed = false; // what makes the exit status 0
};

// The report of one manifest, named in messages as shownName (as typed: it is quoted here).
// With the findings of a root folder a moved file says "NEW: MOVED from OLD" in place of its
// failure, "NAME: NEW" lines follow the checked ones, and either fails the check.
CheckReport reportCheck(const QByteArray &shownName, const Manifest &manifest, const QList<FileCheck> &checks,
                        const CheckOptions &options, const RootFindings &findings = {});

// The system's English text for an errno value.
QString englishErrorText(int error);
