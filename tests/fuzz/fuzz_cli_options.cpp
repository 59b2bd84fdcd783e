// The command line of tabulix-cli, arguments separated by zero bytes and read as the program
// reads them: every argument gives back its bytes; bad usage throws TabulixError, good usage
// keeps every operand and setting step it was given, in order.
#include "cli/cli_options.h"
#include "collect/system_path.h"
#include "common/tabulix_error.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments;
    for (const QByteArray &part : bytesOf(data, size).split('\0')) {
        arguments.append(argumentPath(part));
        check(encodedPath(arguments.last()) == part, "an argument gives back its bytes");
    }
    // Values other than file names are text: what is not UTF-8 in them shows as U+FFFD.
    QStringList shownArguments;
    for (const QString &argument : arguments)
        shownArguments.append(shownPath(encodedPath(argument)));
    try {
        const CliOptions options = parseCliOptions(arguments);
        check(options.operands.size() + options.steps.size() <= arguments.size(),
              "no more operands and steps than arguments");
        for (const QString &operand : options.operands)
            check(arguments.contains(operand), "operands come from the arguments");
        qsizetype searchFrom = 0;
        for (const SettingStep &step : options.steps) {
            if (step.kind == SettingStep::Kind::Reset)
                continue;
            if (step.kind == SettingStep::Kind::Encoding) {
                check(QString::number(step.value.toInt()) == step.value, "encodings are plain numbers");
                continue;
            }
            const bool file = step.kind == SettingStep::Kind::LoadConfiguration ||
                              step.kind == SettingStep::Kind::FilesFrom;
            const qsizetype at = (file ? arguments : shownArguments).indexOf(step.value, searchFrom);
            check(at >= 0, "setting steps come from the arguments, in order");
            searchFrom = at + 1;
        }
    } catch (const TabulixError &) {
    }
    return 0;
}
