#pragma once
// The command line of tabulix-cli.
#include "common/language.h"

#include <QList>
#include <QStringList>
#include <optional>

// An option that changes settings, or adds the files of a list file. They run in the order
// given, after the language of the run and before the operands.
struct SettingStep {
    enum class Kind {
        LoadConfiguration, // --config FILE
        Reset,             // --reset
        Assign,            // --set SECTION.KEY=VALUE
        Format,            // --format TAG
        Encoding,          // --encoding CODE
        FilesFrom,         // --files-from FILE ("-": standard input)
        Columns,           // --columns LIST of column keys
        GroupBy,           // --group-by KEY
    };
    Kind kind;
    QString value; // the file, assignment, format tag, encoding code, column list or group key;
                   // empty for a reset
};

struct CliOptions {
    bool help = false;
    bool version = false;
    bool listSettings = false;
    bool verbose = false; // let the warnings of the Qt libraries through to standard error
    QList<SettingStep> steps;
    std::optional<Language> language; // nothing: as the program decides at start
    QString outputFile;               // -o; empty: standard output
    QString savedConfiguration;       // --save-config; empty: nothing is saved
    QStringList operands;             // paths to list and configurations, in the given order
};

// Reads the arguments after the program name; bad usage throws TabulixError with the reason.
CliOptions parseCliOptions(const QStringList &arguments);

// The text of --help; it names the desktop program's start configuration.
QString cliUsage(const QString &startConfiguration);
