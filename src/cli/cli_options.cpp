#include "cli_options.h"

#include "collect/system_path.h"
#include "common/tabulix_error.h"
#include "shorthands.h"
#include "table/output_format.h"

namespace {

const char usage[] =
    "Usage: tabulix-cli [OPTION]... PATH...\n"
    "  or:  tabulix-cli [OPTION]... --save-config FILE [CONFIGURATION.tbx]...\n"
    "  or:  tabulix-cli rename [OPTION]... PATH...   (tabulix-cli rename --help)\n"
    "  or:  tabulix-cli check [OPTION]... MANIFEST...  (tabulix-cli check --help)\n"
    "  or:  tabulix-cli [OPTION]... desktop status|add KIND|remove KIND\n"
    "Lists the files of the given files and folders as a table, as the desktop program would.\n"
    "An operand ending in \".tbx\" is a configuration: operands are taken in the order given,\n"
    "so a configuration changes how the paths after it are added.\n"
    "desktop shows, adds or removes the desktop program's entries for this user: KIND is\n"
    "tbx (.tbx files open with it), sendto (the file managers' send-to and scripts menus),\n"
    "folders, files or types (the context menus of folders, of all files and of the types of\n"
    "SCED.beldateien); status prints each kind but types with its state (a folder named\n"
    "desktop is written ./desktop).\n"
    "\n"
    "Options that change settings or add listed files are applied in the order given, after\n"
    "--lang and before the operands:\n"
    "  --config FILE            load a configuration or profile as the desktop program does;\n"
    "                           a FILE that cannot be read stops the run\n"
    "  --reset                  every setting back to its standard value\n"
    "  --set SECTION.KEY=VALUE  change a setting as a configuration file names it, e.g.\n"
    "                           PBCH.act_pfad=1, PBCB.act_size_einheit=MB, ES.OR=1\n"
    "  --format FORMAT          txt, csv, htm, jpg, bmp, gif, xlsx, json, md or html; jpg,\n"
    "                           bmp, gif and xlsx need -o; md5sum, sha1sum, sha256sum,\n"
    "                           sha512sum or sfv write a checksum file of the listed files\n"
    "                           instead, names relative to the folder of -o\n"
    "  --encoding CODE          text encoding of -o: 0, 65000, 64999, 65001, 1200, 1201,\n"
    "                           65005 or 65006 (json, md and html are always UTF-8)\n"
    "  --columns LIST           exactly these columns, in this order, e.g. name,size,modified:\n"
    "                           name, format, type, size, created, accessed, modified,\n"
    "                           hidden, readOnly, program, path, md5, crc32, sha1, sha256,\n"
    "                           sha512 (the digests share one column kind, in that order)\n"
    "  --group-by KEY           group the rows by a column key, folder or folderAndFile\n"
    "  --title TEXT             the title above the table, switched on\n"
    "  --size-unit UNIT         sizes in Byte, KB, MB, GB or TB\n"
    "  --decimals N             the places of the sizes, 0 to 99\n"
    "  --no-header              no column headers\n"
    "  --no-subfolders          folders are added without their subfolders\n"
    "  --files-from FILE        add every file named by a line of FILE (- is standard input),\n"
    "                           as a saved file list or the output of find; the encoding\n"
    "                           comes from the byte-order mark, else UTF-8 or Windows-1252;\n"
    "                           relative lines are taken from the current folder; lines\n"
    "                           naming no file are skipped and counted on standard error\n"
    "\n"
    "  --lang de|en             language of the run: the texts in the table and the defaults\n"
    "  --save-config FILE       after all options and operands, save the complete\n"
    "                           configuration into FILE; without a PATH nothing else is done\n"
    "  --list-settings          print every setting as SECTION.KEY=VALUE and exit\n"
    "  -o FILE                  write FILE as the desktop program saves it; without it a text\n"
    "                           format goes to standard output as UTF-8\n"
    "  --verbose                also show the warnings of the libraries below the program\n"
    "  --                       end of the options: every argument after it is an operand\n"
    "  --help                   show this help and exit\n"
    "  --version                show the version and exit\n"
    "\n"
    "Example: tabulix-cli --columns name,size,modified --group-by folder --size-unit MB\n"
    "  --decimals 1 --title Pictures --format md -o pictures.md ~/Pictures\n"
    "\n"
    "The desktop program's start configuration is %1;\n"
    "tabulix-cli reads it only when asked (--config %1).\n"
    "\n"
    "Exit status: 0 done; 1 a path, a list file, a configuration or the output could not be\n"
    "read or written, or a list marked as UTF-7 is none (the rest is still done); 2 wrong usage.\n";

const QList<int> encodings = {0, 65000, 64999, 65001, 1200, 1201, 65005, 65006};

} // namespace

CliOptions parseCliOptions(const QStringList &arguments)
{
    CliOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded) {
            options.operands.append(argument);
            continue;
        }
        const auto nextArgument = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw TabulixError(argument + QStringLiteral(" needs a value"));
            return arguments[++i];
        };
        // Values are text: a byte that is not UTF-8 shows as U+FFFD. File names keep their bytes.
        const auto value = [&]() -> QString { return shownPath(encodedPath(nextArgument())); };
        const auto fileName = [&]() -> QString {
            const QString file = nextArgument();
            if (file.isEmpty())
                throw TabulixError(argument + QStringLiteral(" needs a file name"));
            return file;
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
        } else if (argument == u"--config") {
            options.steps.append({SettingStep::Kind::LoadConfiguration, fileName()});
        } else if (argument == u"--reset") {
            options.steps.append({SettingStep::Kind::Reset, QString()});
        } else if (argument == u"--set") {
            options.steps.append({SettingStep::Kind::Assign, value()});
        } else if (argument == u"--format") {
            const QString format = value();
            const QStringList formats = outputFormatTags();
            if (!formats.contains(format))
                throw TabulixError(QStringLiteral("unknown format \"%1\"; use one of %2")
                                       .arg(format, formats.join(QStringLiteral(", "))));
            options.steps.append({SettingStep::Kind::Format, format});
        } else if (argument == u"--encoding") {
            const QString code = value();
            bool number = false;
            const int encoding = code.toInt(&number);
            if (!number || !encodings.contains(encoding))
                throw TabulixError(QStringLiteral("unknown encoding \"%1\"").arg(code));
            options.steps.append({SettingStep::Kind::Encoding, QString::number(encoding)});
        } else if (argument == u"--columns") {
            const QString list = value();
            checkColumnKeys(list);
            options.steps.append({SettingStep::Kind::Columns, list});
        } else if (argument == u"--group-by") {
            const QString key = value();
            checkGroupKey(key);
            options.steps.append({SettingStep::Kind::GroupBy, key});
        } else if (argument == u"--title" || argument == u"--size-unit" || argument == u"--decimals" ||
                   argument == u"--no-header" || argument == u"--no-subfolders") {
            const bool takesValue = !argument.startsWith(QStringLiteral("--no-"));
            for (const QString &assignment : plainShorthand(argument, takesValue ? value() : QString()))
                options.steps.append({SettingStep::Kind::Assign, assignment});
        } else if (argument == u"--files-from") {
            options.steps.append({SettingStep::Kind::FilesFrom, fileName()});
        } else if (argument == u"--lang") {
            options.language = languageOfCode(value());
            if (!options.language)
                throw TabulixError(QStringLiteral("--lang takes de or en"));
        } else if (argument == u"--save-config") {
            options.savedConfiguration = fileName();
        } else if (argument == u"-o") {
            options.outputFile = fileName();
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            throw TabulixError(QStringLiteral("unknown option: ") + argument);
        } else {
            options.operands.append(argument);
        }
    }
    return options;
}

QString cliUsage(const QString &startConfiguration)
{
    return QString::fromUtf8(usage).arg(startConfiguration);
}
