#include "cli_options.h"

#include "common/tabulix_error.h"

const char cliUsage[] =
    "Usage: tabulix-cli [OPTION]... PATH...\n"
    "Lists the files of the given files and folders as a table, as the desktop program would.\n"
    "\n"
    "  --set SECTION.KEY=VALUE  change a setting as a configuration file names it, e.g.\n"
    "                           PBCH.act_pfad=1, PBCB.act_size_einheit=MB, ES.OR=1;\n"
    "                           repeatable, applied in order\n"
    "  --format FORMAT          txt, csv, htm, bmp, jpg or gif\n"
    "  --encoding CODE          text encoding of -o: 0, 65000, 64999, 65001, 1200, 1201,\n"
    "                           65005 or 65006\n"
    "  --lang de|en             language of the texts in the table\n"
    "  --list-settings          print every setting as SECTION.KEY=VALUE and exit\n"
    "  -o FILE                  write FILE as the desktop program saves it; without it a text\n"
    "                           format goes to standard output as UTF-8\n"
    "  --verbose                also show the warnings of the libraries below the program\n"
    "  --                       end of the options: every argument after it is a path\n"
    "  --help                   show this help and exit\n"
    "  --version                show the version and exit\n"
    "\n"
    "Exit status: 0 done; 1 a path or the output could not be read or written (the rest is\n"
    "still done); 2 wrong usage.\n";

namespace {

const QStringList formats = {QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("htm"),
                             QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("gif")};
const QList<int> encodings = {0, 65000, 64999, 65001, 1200, 1201, 65005, 65006};

} // namespace

CliOptions parseCliOptions(const QStringList &arguments)
{
    CliOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded) {
            options.paths.append(argument);
            continue;
        }
        const auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TabulixError(argument + QStringLiteral(" needs a value"));
            return arguments[++i];
        };
        if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (argument == u"--version") {
            options.version = true;
        } else if (argument == u"--list-settings") {
            options.listSettings = true;
        } else if (argument == u"--verbose") {
            options.verbose = true;
        } else if (argument == u"--set") {
            options.assignments.append(value());
        } else if (argument == u"--format") {
            options.format = value();
            if (!formats.contains(options.format))
                throw TabulixError(QStringLiteral("unknown format \"%1\"; use one of %2")
                                       .arg(options.format, formats.join(QStringLiteral(", "))));
        } else if (argument == u"--encoding") {
            const QString code = value();
            bool number = false;
            const int encoding = code.toInt(&number);
            if (!number || !encodings.contains(encoding))
                throw TabulixError(QStringLiteral("unknown encoding \"%1\"").arg(code));
            options.encoding = encoding;
        } else if (argument == u"--lang") {
            options.language = languageOfCode(value());
            if (!options.language)
                throw TabulixError(QStringLiteral("--lang takes de or en"));
        } else if (argument == u"-o") {
            options.outputFile = value();
            if (options.outputFile.isEmpty())
                throw TabulixError(QStringLiteral("-o needs a file name"));
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            throw TabulixError(QStringLiteral("unknown option: ") + argument);
        } else {
            options.paths.append(argument);
        }
    }
    return options;
}
