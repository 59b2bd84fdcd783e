#pragma once
// The command line of tabulix-cli.
#include "common/language.h"

#include <QStringList>
#include <optional>

struct CliOptions {
    bool help = false;
    bool version = false;
    bool listSettings = false;
    bool verbose = false;    // let the warnings of the Qt libraries through to standard error
    QStringList assignments; // --set SECTION.KEY=VALUE, in the given order
    QString format;          // txt, csv, htm, bmp, jpg or gif; empty keeps the setting
    std::optional<int> encoding;
    std::optional<Language> language; // nothing: as the program decides at start
    QString outputFile;               // -o; empty: standard output
    QStringList paths;
};

// Reads the arguments after the program name; bad usage throws TabulixError with the reason.
CliOptions parseCliOptions(const QStringList &arguments);

extern const char cliUsage[];
